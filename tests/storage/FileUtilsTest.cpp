// The record windows' file utilities: block copy, trash, moves that never overwrite, durations.

#include "storage/FileUtils.h"

#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"
#include "tests/support/TrashHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// 17 bytes a period, so no two blocks of 8192 bytes are alike.
QByteArray Pattern(int size)
{
    return QByteArray("0123456789abcdefg").repeated(size / 17 + 1).left(size);
}

class FileUtilities : public ::testing::Test {
protected:
    QString Log(const QString &name) const { return App.Paths().LogDir + name; }
    QString Archive(const QString &name) const { return App.Paths().ArchiveDir + name; }

    TTrashHome Trash;
    TempAppDir App;
};

} // namespace

TEST_F(FileUtilities, CopyByBlocksTakesContentTimeAndWritablePermissionsStopsWhenAbortedAndTellsFailuresByCode)
{
    const QString source = App.WriteFile("Log/source.zlog", Pattern(16384));
    const QDateTime modified(QDate(2024, 6, 1), QTime(8, 30, 15, 250));
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(source, readOnly));
    App.WriteFile("Log/temp.zlog", QByteArray(50000, 'x'));  // replaced, not merged

    ASSERT_EQ(CopyFileByBlocks(source, Log("temp.zlog"), true), 0);
    EXPECT_EQ(ReadWholeFile(Log("temp.zlog")), Pattern(16384));
    EXPECT_EQ(QFileInfo(Log("temp.zlog")).lastModified(), modified);
    const auto forAnyUser = ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    EXPECT_EQ(QFile::permissions(Log("temp.zlog")) & forAnyUser, readOnly | QFileDevice::WriteOwner);

    // A flag left over from an earlier copy is cleared at the start; progress comes before each block.
    CopyAbortFlag = true;
    const QString longer = App.WriteFile("Log/longer.zlog", Pattern(40000));
    ASSERT_EQ(CopyFileByBlocks(longer, Log("temp.zlog"), false, [](std::int64_t done, std::int64_t) {
                  CopyAbortFlag = done == 8192;
              }),
              0);
    EXPECT_EQ(ReadWholeFile(Log("temp.zlog")), Pattern(16384));

    EXPECT_EQ(CopyFileByBlocks(Log("missing.zlog"), Log("temp.zlog"), false), -1);
    EXPECT_EQ(CopyFileByBlocks(source, Log("nowhere/temp.zlog"), false), -2);
    EXPECT_EQ(CopyFileByBlocks(source, "/dev/full", false), -3);
    EXPECT_EQ(CopyFileByBlocks("/proc/self/mem", Log("temp.zlog"), false), -4);  // address 0 is never mapped
    // Onto itself: truncating the destination would empty the source.
    EXPECT_EQ(CopyFileByBlocks(source, Log("../Log/source.zlog"), false), -2);
    EXPECT_EQ(ReadWholeFile(source), Pattern(16384));
}

// Names as they stand ("A?" is no mask); a trash that cannot be made must not leave the file
// under the working directory (its reasons listed are the file manager's test).
TEST_F(FileUtilities, RecyclingTakesTheNamedFilesAndWhatCannotGoStays)
{
    for (const char *name : {"Log/A?.zlog", "Log/Ab.zlog", "Log/.hidden.zlog", "Log/Import[1].zlog"})
        App.WriteFile(name, "x");
    ASSERT_TRUE(QDir(App.Paths().LogDir).mkdir("rec.old"));
    QList<TRecycleFailure> stayed;
    EXPECT_EQ(RecycleFiles({Log("A?.zlog"), Log("Import[1].zlog"), Log(".hidden.zlog"), Log("rec.old")}, stayed), 2);
    EXPECT_EQ(Trash.Trashed(), (QStringList{"A?.zlog", "Import[1].zlog"}));
    EXPECT_EQ(FilesIn(App.Paths().LogDir), (QStringList{".hidden.zlog", "Ab.zlog"}));
    EXPECT_TRUE(IsDirectory(Log("rec.old")) && stayed.isEmpty());

    ASSERT_TRUE(QDir(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash").removeRecursively());
    QFile blocker(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(RecycleFiles({Log("Ab.zlog")}, stayed), 0);
    EXPECT_TRUE(stayed.size() == 1 && QFile::exists(Log("Ab.zlog")));
}

TEST_F(FileUtilities, MovingNeverOverwritesNumbersTheNewNameAndTellsAFailureUnlessSilent)
{
    for (const char *name : {"Log/Archive/rec.zlog", "Log/Archive/rec (2).zlog", "Log/Archive/notes", "Log/rec.meta"})
        App.WriteFile(name, "old");
    App.WriteFile("Log/rec.zlog", "new");
    App.WriteFile("Log/notes", "new notes");
    TFakeServices services;
    for (const char *name : {"rec.zlog", "rec.meta", "notes"})
        EXPECT_TRUE(ShellMoveFile(Log(name), Archive(name), false)) << name;
    EXPECT_EQ(FilesIn(App.Paths().ArchiveDir),
              (QStringList{"notes", "notes (2)", "rec (2).zlog", "rec (3).zlog", "rec.meta", "rec.zlog"}));
    EXPECT_EQ(ReadWholeFile(Archive("rec (3).zlog")) + ReadWholeFile(Archive("notes (2)")), "newnew notes");
    EXPECT_TRUE(FilesIn(App.Paths().LogDir).isEmpty());

    EXPECT_FALSE(ShellMoveFile(Log("rec.histo"), Archive("rec.histo"), true));
    EXPECT_TRUE(services.Shown.empty());
    EXPECT_FALSE(ShellMoveFile(Log("rec.histo"), Archive("rec.histo"), false));
    EXPECT_TRUE(services.Texts().size() == 1 && services.Texts()[0].contains(Log("rec.histo")));
}

TEST(Duration, TextNamesTheNonZeroPartsWithTheirOddCommasAndRoundsHalvesToEvenWithin32Bits)
{
    EXPECT_EQ(DurationText(93784), "~ 1 day ,2 hours, 3 minutes, 4 seconds");
    EXPECT_EQ(DurationText(3601), "~ 1 hour, 1 second");
    EXPECT_EQ(DurationText(2 * 86400 + 60), "~ 2 days, 1 minute");
    EXPECT_EQ(RecordDurationText(0, 0.5), "0");
    EXPECT_EQ(RecordDurationText(3, 0.5) + RecordDurationText(5, 0.5), "~ 2 seconds~ 2 seconds");  // 1.5 and 2.5
    EXPECT_EQ(RecordDurationText(1, 0.5) + RecordDurationText(10, -1.0), "~ ~ ");                // 0.5 and below 0
    EXPECT_EQ(RecordDurationText(1'000'000'000'000ull, 180.0), DurationText(4294967295u));
}
