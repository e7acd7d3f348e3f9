#pragma once
// Runs one of the programs the build lays out in its application folder (ZELTAR_BUILD_APP_DIR),
// the way a user starts it from a terminal.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct TProgramRun {
    int ExitCode = -1; // -1 also when the program did not end normally
    QByteArray Output;
    QString Errors;

    QString OutputText() const { return QString::fromUtf8(Output); }
};

// Waits a minute at most; a program still running then fails the test.
TProgramRun RunBuiltProgram(const QString &name, const QStringList &arguments,
                            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
