#include "tests/support/BuiltProgram.h"

#include <gtest/gtest.h>

namespace {

TProgramRun Ended(QProcess &process, int timeoutMs)
{
    const bool ended = process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs);
    EXPECT_TRUE(ended) << process.program().toStdString() << ": " << process.errorString().toStdString();
    const bool normal = ended && process.error() != QProcess::FailedToStart && process.exitStatus() == QProcess::NormalExit;
    return {normal ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

QString BuiltProgramPath(const QString &name)
{
    return qEnvironmentVariable("ZELTAR_BUILD_APP_DIR") + "/" + name;
}

TProgramRun RunProgram(const QString &program, const QStringList &arguments, const TProgramOptions &options)
{
    QProcess process;
    process.setProcessEnvironment(options.Environment);
    process.start(program, arguments);
    return Ended(process, options.TimeoutMs);
}

TProgramRun RunBuiltProgram(const QString &name, const QStringList &arguments, const TProgramOptions &options)
{
    return RunProgram(BuiltProgramPath(name), arguments, options);
}

TStartedProgram::TStartedProgram(const QString &program, const QStringList &arguments, const TProgramOptions &options)
    : Options(options)
{
    Process.setProcessEnvironment(options.Environment);
    Process.start(program, arguments);
    EXPECT_TRUE(Process.waitForStarted(10000)) << program.toStdString() << ": " << Process.errorString().toStdString();
}

TStartedProgram::~TStartedProgram()
{
    if (Process.state() != QProcess::NotRunning) {
        Process.kill();
        Process.waitForFinished(10000);
    }
}

TProgramRun TStartedProgram::Result()
{
    return Ended(Process, Options.TimeoutMs);
}
