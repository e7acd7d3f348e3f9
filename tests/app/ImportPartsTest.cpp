// The window-free parts of the memory import: what a dump line stores, the end-of-transfer
// timer, and the name proposed for the record.

#include "app/DumpLine.h"
#include "app/ImportFileName.h"
#include "app/MemoryImport.h"
#include "model/GlobalState.h"
#include "tests/support/TempAppDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(DumpLine, StoresReadingsFromTheThresholdUpAndSkipsWhatIsNotANumber)
{
    DecSeparators = {QChar(u'.'), QChar(u',')};
    const std::optional<TSampleRecord> record = DumpRecord("  3,2500 2450 and more\r\n");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Value, 3.25f);
    EXPECT_EQ(record->Frequency, 2450);
    EXPECT_TRUE(DumpRecord("  0.0001    0\r\n"));
    for (const char *line : {"  0.0000    0\r\n", " 0.00009    0\r\n", " -1.0000    0\r\n", "  1.2x45 2450\r\n",
                             "  1.2345 24x0\r\n", "\r\n"})
        EXPECT_FALSE(DumpRecord(line)) << line;
    EXPECT_TRUE(IsDumpHeaderLine("Records 3, Interval 1 s\r\n"));
    EXPECT_FALSE(IsDumpHeaderLine("interval 1 s\r\n"));
    ResetGlobalState();
}

TEST(MemoryImport, EveryDataLineStoredOrNotRestartsTheTimerAndHeadersNever)
{
    TMemoryImport import;
    import.Begin();
    EXPECT_EQ(import.ImportLine("Records 3, Interval 1 s\r\n"), TImportLineKind::Header);
    EXPECT_FALSE(import.ImportTimer.isActive());
    EXPECT_EQ(import.ImportLine("  1.0000    0\r\n"), TImportLineKind::Data);
    EXPECT_EQ(import.ImportTimer.interval(), 100);
    // Without an event loop the timer cannot fire, but its period runs down.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_LE(import.ImportTimer.remainingTime(), 50);
    import.ImportLine("  0.0000    0\r\n");
    EXPECT_GT(import.ImportTimer.remainingTime(), 60);
    EXPECT_EQ(import.ImportBuffer.Count(), 1u);
}

TEST(ProposedImportName, TakesTheSmallestNumberWithoutALog)
{
    const TempAppDir app;
    const QString logDir = app.Paths().LogDir;
    app.WriteFile("Log/Import1.meta", "x");
    EXPECT_EQ(ProposedImportName(logDir), logDir + "Import1.zlog");
    for (const char *name : {"Log/Import1.zlog", "Log/Import2.zlog", "Log/Import4.zlog"})
        app.WriteFile(name, "x");
    EXPECT_EQ(ProposedImportName(logDir), logDir + "Import3.zlog");
    QFile::remove(logDir + "Import1.zlog");
    EXPECT_EQ(ProposedImportName(logDir), logDir + "Import1.zlog");
}
