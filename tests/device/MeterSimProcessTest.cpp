// The simulator program itself: its first output line, its link, and its end.

#include "tests/device/ListeningPort.h"
#include "tests/support/BuiltProgram.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Simulator = BuiltProgramPath("zeltar-meter-sim");

} // namespace

TEST(MeterSimProgram, PlaysThroughItsLinkAndRemovesItAtTheEnd)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("meter");
    TStartedProgram simulator(Simulator, {"--link", link, "--interval", "0.1", "--count", "3", "--values", "1,2,3",
                                          "--wait-reader", "--linger", "0.1"});
    // The terminal's path is the first line it prints.
    const QString terminal = simulator.ReadLine();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), terminal);

    TComPort port;
    QStringList lines;
    port.ReceiveCallBack = [&](const QString &data) { lines << data; };
    port.SetPort(link);
    port.Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !simulator.Running(); }, 10000));
    EXPECT_EQ(simulator.Result().ExitCode, 0);
    EXPECT_EQ(lines, (QStringList{"  1.0000    0\r\n", "  2.0000    0\r\n", "  3.0000    0\r\n"}));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(MeterSimProgram, TerminationSignalRemovesTheLink)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("meter");
    TStartedProgram simulator(Simulator, {"--link", link});
    ASSERT_FALSE(simulator.ReadLine().isEmpty());
    ASSERT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_NE(simulator.Terminate().ExitCode, -1);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(MeterSimProgram, WrongOptionExitsWithUsageError)
{
    const TProgramRun run = RunProgram(Simulator, {"--pattern", "sine"});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Errors.contains("--pattern"));
}
