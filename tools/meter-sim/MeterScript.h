#pragma once
// What the simulated meter writes and when: a sequence of writes, each with its delay after
// the previous one. Live output sends one data line per interval; a dump sends its header
// lines and data lines back to back, paced at 9600 baud.

#include "tools/meter-sim/SimOptions.h"
#include "tools/meter-sim/ValueSource.h"

#include <QByteArray>

#include <chrono>
#include <deque>
#include <optional>
#include <random>

struct TScriptStep {
    std::chrono::microseconds Delay;
    QByteArray Bytes;
};

class TMeterScript {
public:
    explicit TMeterScript(const TSimOptions &options);

    // The next write, or nothing once everything has been written.
    std::optional<TScriptStep> Next();

    // Time 9600 baud 8N1 takes to carry the bytes (10 bits each).
    static std::chrono::microseconds WireTime(qsizetype bytes);

private:
    std::optional<QByteArray> NextLine();
    QByteArray NextDataLine();
    void SplitIntoPieces(const QByteArray &line, std::chrono::microseconds delay);

    TSimOptions Options;
    TValueSource Readings;
    qsizetype FrequencyIndex = 0;
    std::deque<QByteArray> HeaderLines;
    qint64 DataLinesLeft;          // -1: no end
    qint64 LinesWritten = 0;
    qsizetype PreviousLineSize = 0;
    std::deque<TScriptStep> Pieces; // of the current line
    std::mt19937 ChunkRandom;
};
