#include "storage/FileUtils.h"

#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"
#include "tests/support/TrashHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class FileUtilities : public ::testing::Test {
protected:
    QString Log(const QString &name) const { return App.Paths().LogDir + name; }
    QString Archive(const QString &name) const { return App.Paths().ArchiveDir + name; }

    TTrashHome Trash;
    TempAppDir App;
};

} // namespace

TEST_F(FileUtilities, RecyclingTakesTheNamedFilesAsTheyStand)
{
    for (const char *name : {"Log/A?.zlog", "Log/Ab.zlog", "Log/.hidden.zlog", "Log/Import[1].zlog"})
        App.WriteFile(name, "x");
    ASSERT_TRUE(QDir(App.Paths().LogDir).mkdir("rec.old"));

    QList<TRecycleFailure> stayed;
    EXPECT_EQ(RecycleFiles({Log("A?.zlog"), Log("Import[1].zlog"), Log(".hidden.zlog"), Log("rec.old")}, stayed), 2);
    EXPECT_EQ(Trash.Trashed(), (QStringList{"A?.zlog", "Import[1].zlog"}));
    EXPECT_EQ(FilesIn(App.Paths().LogDir), (QStringList{".hidden.zlog", "Ab.zlog"}));
    EXPECT_TRUE(IsDirectory(Log("rec.old")));
    EXPECT_TRUE(stayed.isEmpty());
}

// A trash that cannot be made (its reasons listed are the file manager's test): the file must
// not end up under the working directory.
TEST_F(FileUtilities, FilesThatCannotGoToTheTrashStay)
{
    App.WriteFile("Log/rec.zlog", "x");
    ASSERT_TRUE(QDir().mkpath(qEnvironmentVariable("XDG_DATA_HOME")));
    QFile blocker(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QList<TRecycleFailure> stayed;
    EXPECT_EQ(RecycleFiles({Log("rec.zlog")}, stayed), 0);
    EXPECT_EQ(stayed.size(), 1);
    EXPECT_EQ(FilesIn(App.Paths().LogDir), QStringList{"rec.zlog"});
}

TEST_F(FileUtilities, MovingNeverOverwritesAndNumbersTheNewName)
{
    for (const char *name : {"Log/Archive/rec.zlog", "Log/Archive/rec (2).zlog", "Log/Archive/notes", "Log/rec.meta"})
        App.WriteFile(name, "old");
    App.WriteFile("Log/rec.zlog", "new");
    App.WriteFile("Log/notes", "new notes");

    TFakeServices services;
    for (const char *name : {"rec.zlog", "rec.meta", "notes"})
        EXPECT_TRUE(ShellMoveFile(Log(name), Archive(name), false)) << name;
    EXPECT_EQ(FilesIn(App.Paths().ArchiveDir), (QStringList{"notes", "notes (2)", "rec (2).zlog", "rec (3).zlog", "rec.meta", "rec.zlog"}));
    EXPECT_EQ(ReadWholeFile(Archive("rec (3).zlog")) + ReadWholeFile(Archive("notes (2)")), "newnew notes");
    EXPECT_TRUE(FilesIn(App.Paths().LogDir).isEmpty());
    EXPECT_TRUE(services.Shown.empty());
}

TEST_F(FileUtilities, AFailedMoveIsToldUnlessSilent)
{
    TFakeServices services;
    EXPECT_FALSE(ShellMoveFile(Log("rec.histo"), Archive("rec.histo"), true));
    EXPECT_TRUE(services.Shown.empty());
    EXPECT_FALSE(ShellMoveFile(Log("rec.histo"), Archive("rec.histo"), false));
    ASSERT_EQ(services.Shown.size(), 1u);
    EXPECT_TRUE(services.Shown[0].Text.contains(Log("rec.histo"))) << services.Shown[0].Text.toStdString();
}
