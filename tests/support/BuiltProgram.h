#pragma once
// Runs the programs the build lays out in its application folder (ZELTAR_BUILD_APP_DIR), and
// the system's tools the tests read their output with, the way a user starts them from a
// terminal. The one place where tests start processes.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct TProgramOptions {
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    // A program still running then fails the test.
    int TimeoutMs = 60000;
};

struct TProgramRun {
    int ExitCode = -1; // -1 also when the program did not end normally
    QByteArray Output;
    QString Errors;

    QString OutputText() const { return QString::fromUtf8(Output); }
};

// The path of a built program or of a file beside it.
QString BuiltProgramPath(const QString &name);

// Runs program (a path, or a name found on PATH) to its end.
TProgramRun RunProgram(const QString &program, const QStringList &arguments, const TProgramOptions &options = {});
TProgramRun RunBuiltProgram(const QString &name, const QStringList &arguments, const TProgramOptions &options = {});

// A program left running for the test to read, signal or kill; killed with the object if still
// running.
class TStartedProgram {
public:
    // A program that cannot be started fails the test.
    TStartedProgram(const QString &program, const QStringList &arguments, const TProgramOptions &options = {});
    ~TStartedProgram();
    TStartedProgram(const TStartedProgram &) = delete;
    TStartedProgram &operator=(const TStartedProgram &) = delete;

    // False when the program is still running after ms.
    bool EndsWithin(int ms) { return Process.waitForFinished(ms); }
    // SIGTERM or SIGKILL, and the end waited for.
    TProgramRun Terminate()
    {
        Process.terminate();
        return Result();
    }
    TProgramRun Kill()
    {
        Process.kill();
        return Result();
    }
    // How it ended; waits for the end as RunProgram does.
    TProgramRun Result();

private:
    QProcess Process;
    TProgramOptions Options;
};
