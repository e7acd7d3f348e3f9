// What the file manager shows of a record, and how a record moves and goes to the trash as a
// whole.

#include "windows/RecordFileMoves.h"
#include "windows/RecordInfo.h"

#include "model/Units.h"
#include "tests/windows/RecordWindowTest.h"

namespace {

using RecordFiles = RecordWindowTest;

TEST_F(RecordFiles, EveryFieldIsShownWhateverTheVersion)
{
    TMetaData meta = MakeMeta(UnitVm, 10, QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), "Bo", "Lab", "line", 6);
    meta.Version = 7;
    const std::optional<TRecordInfo> info = ReadRecordInfo(
        WriteRecord(App.Paths().LogDir, "old", std::vector<TSampleRecord>(20, Sample(1)), meta, false));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Operator, "Bo");
    EXPECT_EQ(info->Place, "Lab");
    EXPECT_EQ(info->Notes, "line");
    EXPECT_EQ(info->Unit, "V/m");
    EXPECT_EQ(info->Correction, "6 dB");
    EXPECT_EQ(info->Interval, "10 sec");
    EXPECT_EQ(info->Size, "160 bytes");
    EXPECT_EQ(info->Samples, "20");
    EXPECT_EQ(info->Duration, "~ 3 minutes, 20 seconds");
    EXPECT_FALSE(ReadRecordInfo(WriteLog(App.Paths().LogDir, "bare", {})));
}

TEST_F(RecordFiles, TrashingARecordTakesItsOwnFilesOnlyAndReadsNamesLiterally)
{
    for (const char *name : {"A?.zlog", "A?.meta", "Ab.zlog", "Ab.meta", "A?.1.zlog", ".A?.zlog"})
        App.WriteFile(QString("Log/") + name, "x");
    QList<TRecycleFailure> stayed;
    EXPECT_EQ(RecycleRecordFiles(App.Paths().LogDir + "A?.zlog", stayed), 2);
    EXPECT_TRUE(stayed.isEmpty());
    EXPECT_EQ(Trash.Trashed(), (QStringList{"A?.meta", "A?.zlog"}));
    EXPECT_EQ(FilesIn(App.Paths().LogDir), (QStringList{".A?.zlog", "A?.1.zlog", "Ab.meta", "Ab.zlog"}));
}

TEST_F(RecordFiles, AMovedRecordKeepsItsFilesTogetherUnderAFreeName)
{
    for (const char *name : {"Log/Archive/R.meta", "Log/Archive/R (2).histo", "Log/R.zlog", "Log/R.meta", "Log/R.histo"})
        App.WriteFile(name, name);
    EXPECT_EQ(FreeRecordBaseName(App.Paths().ArchiveDir, "R"), "R (3)");
    EXPECT_EQ(MoveRecordFiles(App.Paths().LogDir + "R.zlog", App.Paths().ArchiveDir), 3);
    EXPECT_TRUE(Services.Shown.empty());
    EXPECT_EQ(FilesIn(App.Paths().ArchiveDir),
              (QStringList{"R (2).histo", "R (3).histo", "R (3).meta", "R (3).zlog", "R.meta"}));
    EXPECT_EQ(ReadWholeFile(App.Paths().ArchiveDir + "R (3).meta"), "Log/R.meta");
}

} // namespace
