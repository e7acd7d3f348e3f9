#include "windows/FileUtils.h"

#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempAppDir.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FileUtilities : public ::testing::Test {
protected:
    // The trash of a file on the home volume is $XDG_DATA_HOME/Trash; that folder does not
    // exist yet, as on a fresh account.
    void SetUp() override
    {
        qputenv("HOME", Home.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", (Home.path() + "/data").toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("HOME", SavedHome);
        qputenv("XDG_DATA_HOME", SavedDataHome);
    }
    QStringList Trashed() const { return QDir(Home.path() + "/data/Trash/files").entryList(QDir::Files, QDir::Name); }
    QStringList Files(const QString &dir) const { return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QString Log(const QString &name) const { return App.Paths().LogDir + name; }
    QString Archive(const QString &name) const { return App.Paths().ArchiveDir + name; }

    const QByteArray SavedHome = qgetenv("HOME");
    const QByteArray SavedDataHome = qgetenv("XDG_DATA_HOME");
    QTemporaryDir Home;
    TempAppDir App;
};

} // namespace

TEST_F(FileUtilities, RecyclingABaseNameTakesTheLogWithItsCompanionsOnly)
{
    const QString base = "2025 01 07 - 09 05 03";
    for (const char *extension : {".zlog", ".meta", ".histo"})
        App.WriteFile("Log/" + base + extension, "x");
    App.WriteFile("Log/2025 01 07 - 09 05 04.zlog", "other record");
    ASSERT_TRUE(QDir(App.Paths().LogDir).mkdir(base + ".old"));  // a folder that matches the mask

    EXPECT_EQ(RecycleFiles(Log(base + ".*")), 3);
    EXPECT_EQ(Trashed(), (QStringList{base + ".histo", base + ".meta", base + ".zlog"}));
    EXPECT_EQ(Files(App.Paths().LogDir), QStringList{"2025 01 07 - 09 05 04.zlog"});
    EXPECT_TRUE(IsDirectory(Log(base + ".old")));
    EXPECT_EQ(FileSizeOf(Log(base + ".zlog")), -1);
    EXPECT_EQ(FileSizeOf(Log("2025 01 07 - 09 05 04.zlog")), 12);
}

TEST_F(FileUtilities, RecyclingSkipsHiddenFilesAndTakesBracketsLiterally)
{
    for (const char *name : {"Log/.hidden.zlog", "Log/Import[1].zlog", "Log/Import1.zlog"})
        App.WriteFile(name, "x");
    EXPECT_EQ(RecycleFiles(Log("Import[1].*")), 1);
    EXPECT_EQ(Trashed(), QStringList{"Import[1].zlog"});
    EXPECT_EQ(RecycleFiles(Log("*.zlog")), 1);  // Import1.zlog only
}

TEST_F(FileUtilities, MovingNeverOverwritesAndNumbersTheNewName)
{
    for (const char *name : {"Log/Archive/rec.zlog", "Log/Archive/rec (2).zlog", "Log/Archive/notes", "Log/rec.meta"})
        App.WriteFile(name, "old");
    App.WriteFile("Log/rec.zlog", "new");
    App.WriteFile("Log/notes", "new notes");

    MessageBoxRecorder boxes;
    for (const char *name : {"rec.zlog", "rec.meta", "notes"})
        EXPECT_TRUE(ShellMoveFile(Log(name), Archive(name), false)) << name;
    EXPECT_EQ(Files(App.Paths().ArchiveDir), (QStringList{"notes", "notes (2)", "rec (2).zlog", "rec (3).zlog", "rec.meta", "rec.zlog"}));
    EXPECT_EQ(ReadWholeFile(Archive("rec (3).zlog")), "new");
    EXPECT_EQ(ReadWholeFile(Archive("rec.zlog")), "old");
    EXPECT_EQ(ReadWholeFile(Archive("notes (2)")), "new notes");
    EXPECT_TRUE(Files(App.Paths().LogDir).isEmpty());
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(FileUtilities, AFailedMoveIsToldUnlessSilent)
{
    MessageBoxRecorder boxes;
    EXPECT_FALSE(ShellMoveFile(Log("rec.histo"), Archive("rec.histo"), true));
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_FALSE(ShellMoveFile(Log("rec.histo"), Archive("rec.histo"), false));
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Kind, TMsgKind::Error);
    EXPECT_TRUE(boxes.Shown[0].Text.contains(Log("rec.histo"))) << boxes.Shown[0].Text.toStdString();
}
