// The simulator program itself: its first output line, its link and its options. Playing
// through the link is the device import test's.

#include "tests/support/BuiltProgram.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Simulator = BuiltProgramPath("zeltar-meter-sim");

} // namespace

TEST(MeterSimProgram, TerminationSignalRemovesTheLink)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("meter");
    TStartedProgram simulator(Simulator, {"--link", link});
    // The terminal's path is the first line it prints.
    const QString terminal = simulator.ReadLine();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), terminal);
    EXPECT_NE(simulator.Terminate().ExitCode, -1);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(MeterSimProgram, WrongOptionExitsWithUsageError)
{
    const TProgramRun run = RunProgram(Simulator, {"--pattern", "sine"});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Errors.contains("--pattern"));
}
