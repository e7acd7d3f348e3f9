#include "tests/support/BuiltProgram.h"

#include <QProcess>

#include <gtest/gtest.h>

TProgramRun RunBuiltProgram(const QString &name, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("ZELTAR_BUILD_APP_DIR") + "/" + name, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << name.toStdString() << ": " << process.errorString().toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}
