// The simulator program itself: its first output line, its link, and its end.

#include "tests/device/ListeningPort.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString SimulatorProgram()
{
    return qEnvironmentVariable("ZELTAR_BUILD_APP_DIR") + "/zeltar-meter-sim";
}

// Starts the simulator and returns the terminal path it prints first.
QString StartSimulator(QProcess &simulator, const QStringList &arguments)
{
    simulator.start(SimulatorProgram(), arguments);
    if (!simulator.waitForStarted(5000) || !QTest::qWaitFor([&] { return simulator.canReadLine(); }, 5000))
        return QString();
    return QString::fromLocal8Bit(simulator.readLine()).trimmed();
}

} // namespace

TEST(MeterSimProgram, PlaysThroughItsLinkAndRemovesItAtTheEnd)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("meter");
    QProcess simulator;
    const QString terminal = StartSimulator(simulator, {"--link", link, "--interval", "0.1", "--count", "3",
                                                        "--values", "1,2,3", "--wait-reader", "--linger", "0.1"});
    ASSERT_TRUE(terminal.startsWith("/dev/pts/")) << qPrintable(terminal);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), terminal);

    TComPort port;
    QStringList lines;
    port.ReceiveCallBack = [&](const QString &data) { lines << data; };
    port.SetPort(link);
    port.Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return simulator.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(simulator.exitCode(), 0);
    EXPECT_EQ(lines, (QStringList{"  1.0000    0\r\n", "  2.0000    0\r\n", "  3.0000    0\r\n"}));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(MeterSimProgram, TerminationSignalRemovesTheLink)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("meter");
    QProcess simulator;
    ASSERT_FALSE(StartSimulator(simulator, {"--link", link}).isEmpty());
    ASSERT_TRUE(QFileInfo(link).isSymLink());
    simulator.terminate();
    ASSERT_TRUE(simulator.waitForFinished(5000));
    EXPECT_EQ(simulator.exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(MeterSimProgram, WrongOptionExitsWithUsageError)
{
    QProcess simulator;
    simulator.start(SimulatorProgram(), {"--pattern", "sine"});
    ASSERT_TRUE(simulator.waitForFinished(5000));
    EXPECT_EQ(simulator.exitCode(), 2);
    EXPECT_TRUE(simulator.readAllStandardError().contains("--pattern"));
}
