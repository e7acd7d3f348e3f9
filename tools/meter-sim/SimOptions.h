#pragma once
// The simulator's command line.

#include "tools/meter-sim/ValueSource.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct TSimOptions {
    double IntervalSeconds = 1.0;
    qint64 Count = -1;             // readings to send, -1 for no end
    QList<double> Values;          // when not empty, sent in turn instead of the pattern
    TPatternSettings Pattern;
    QList<int> Frequencies{0};     // sent in turn; 0 = no peak frequency
    bool DecimalComma = false;
    bool Dbm = false;
    QByteArray StrayText;          // without CR LF; empty for none
    qint64 StrayAt = 1;            // 1-based number of the written line that is the stray one
    qint64 DumpRecords = -1;       // -1 for live output
    bool Chunked = false;
    bool BaudPace = true;          // a dump goes as fast as 9600 baud allows, not faster
    QString DevicePath;            // empty: a new pseudo-terminal
    QString LinkPath;
    bool WaitForReader = false;
    double LingerSeconds = 1.0;    // silence after the last line before exiting; < 0: until killed
    quint32 ChunkSeed = 1;
};

struct TSimOptionsParse {
    TSimOptions Options;
    QString Error;    // not empty: the command line is wrong
    QString HelpText; // not empty: --help was given
};

// arguments: as QCoreApplication::arguments(), program name first.
TSimOptionsParse ParseSimOptions(const QStringList &arguments);
