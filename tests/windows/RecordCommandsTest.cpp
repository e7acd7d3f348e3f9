// The file manager's commands on whole records, without a window: the record in progress is
// spared by deletion and archiving, the first deletion is confirmed, what the trash refuses is
// told after the list has been refreshed, archived records take a free name, and only records
// of the Log folders are touched.

#include "windows/RecordCommands.h"

#include "tests/windows/RecordWindowTest.h"
#include "windows/RecordFileMoves.h"

namespace {

const QString Oldest = "2025 01 07 - 09 05 03", Middle = "2025 01 08 - 10 00 00", Newest = "2025 01 09 - 11 00 00";

class RecordCommands : public RecordWindowTest {
protected:
    RecordCommands()
    {
        for (const QString &name : {Oldest, Middle, Newest})
            WriteRecord(App.Paths().LogDir, name, {Sample(1)}, MakeMeta(UnitMWm2, 1, {}, "Ann"), name != Middle);
    }
    QString LogPath(const QString &name) const { return App.Paths().LogDir + name + ".zlog"; }
    QStringList LogPaths(const QStringList &names) const
    {
        QStringList paths;
        for (const QString &name : names)
            paths << LogPath(name);
        return paths;
    }
    // The listed folder as the file manager hands it: without its trailing '/'.
    QString Listed(const QString &folder) const { return folder.chopped(1); }
    // Counts the refreshes and the boxes shown before the latest one.
    std::function<void()> Refresh()
    {
        return [this] {
            ++Refreshes;
            BoxesBeforeRefresh = Services.Shown.size();
        };
    }
    QString Spared(const QString &name, const QString &undone) const
    {
        return "You have highlighted the file currently being recorded (" + LogPath(name) + "). It will not be " + undone +
               ".";
    }

    TRecordCommands Commands{Host, App.Paths()};
    int Refreshes = 0;
    std::size_t BoxesBeforeRefresh = 0;
};

TEST_F(RecordCommands, DeletionSparesTheLogInRecordingAndIsConfirmedOncePerRun)
{
    Host.CurrentLog = LogPath(Oldest);
    Services.Answer(TMsgAnswer::Cancel);
    Commands.DeleteRecords(Listed(App.Paths().LogDir), LogPaths({Newest}), Refresh());
    EXPECT_TRUE(Trash.Trashed().isEmpty());
    EXPECT_EQ(Refreshes, 0);

    Services.Shown.clear();
    Services.Answer(TMsgAnswer::Yes);
    Commands.DeleteRecords(Listed(App.Paths().LogDir), LogPaths({Oldest, Newest}), Refresh());
    EXPECT_EQ(Services.Texts(),
              (QStringList{"Do you really want to delete the highlighted files ?", Spared(Oldest, "deleted")}));
    EXPECT_EQ(Trash.Trashed(), (QStringList{Newest + ".histo", Newest + ".meta", Newest + ".zlog"}));
    EXPECT_EQ(Refreshes, 1);
    EXPECT_TRUE(Commands.DeleteConfirmed());

    // The second deletion of the run goes without a question.
    Services.Shown.clear();
    Commands.DeleteRecords(Listed(App.Paths().ArchiveDir) + "/../Archive", {}, Refresh());
    EXPECT_TRUE(Services.Shown.empty());
    EXPECT_EQ(Refreshes, 2);
}

TEST_F(RecordCommands, WhatTheTrashRefusesIsToldOnceAfterTheListIsRefreshed)
{
    ASSERT_TRUE(Trash.Block());
    Services.Answer(TMsgAnswer::Yes);
    Commands.DeleteRecords(Listed(App.Paths().LogDir), LogPaths({Middle, Newest}), Refresh());
    ASSERT_EQ(Services.Shown.size(), 2u);
    EXPECT_EQ(BoxesBeforeRefresh, 1u); // the question only
    const QStringList lines = Services.Shown[1].Text.split('\n');
    EXPECT_EQ(lines.value(0), "These files could not be moved to the recycle bin and were not deleted:");
    EXPECT_TRUE(lines.contains(LogPath(Middle) + ": Not a directory"));
    EXPECT_EQ(lines.size(), 6); // the heading, Middle's two files and Newest's three
    EXPECT_EQ(FilesIn(App.Paths().LogDir).size(), 8u);
}

TEST_F(RecordCommands, ArchivingMovesWholeRecordsUnderAFreeNameAndSparesTheLogInRecording)
{
    App.WriteFile("Log/Archive/" + Newest + ".meta", "kept");
    Host.CurrentLog = LogPath(Oldest);
    Host.Recording = true;
    Commands.ArchiveRecords(Listed(App.Paths().LogDir), LogPaths({Oldest, Middle, Newest}), Refresh());
    EXPECT_EQ(Services.Texts().value(0), Spared(Oldest, "moved"));
    EXPECT_EQ(Services.Shown.size(), 2u); // and Middle's missing .histo
    EXPECT_EQ(Refreshes, 1);
    EXPECT_EQ(FilesIn(App.Paths().ArchiveDir), (QStringList{Middle + ".meta", Middle + ".zlog", Newest + " (2).histo",
                                                          Newest + " (2).meta", Newest + " (2).zlog", Newest + ".meta"}));
    EXPECT_EQ(FilesIn(App.Paths().LogDir), (QStringList{Oldest + ".histo", Oldest + ".meta", Oldest + ".zlog"}));

    // Restoring goes the other way.
    Commands.ArchiveRecords(Listed(App.Paths().ArchiveDir), {App.Paths().ArchiveDir + Middle + ".zlog"}, Refresh());
    EXPECT_EQ(FilesIn(App.Paths().LogDir).size(), 5u);
}

// The user's files outside the Log folders are never touched.
TEST_F(RecordCommands, OnlyRecordsOfTheLogFoldersAreArchivedOrDeleted)
{
    WriteRecord(App.Paths().SettingsDir, "elsewhere", {Sample(1)}, MakeMeta(UnitMWm2, 1, {}, "Ann"));
    const QStringList elsewhere{App.Paths().SettingsDir + "elsewhere.zlog"};
    Services.Answer(TMsgAnswer::Yes);
    Commands.ArchiveRecords(Listed(App.Paths().SettingsDir), elsewhere, Refresh());
    Commands.DeleteRecords(Listed(App.Paths().SettingsDir), elsewhere, Refresh());
    EXPECT_EQ(Services.Texts(),
              (QStringList{"You can archive or restore files only if the current directory is the default \"Log\" "
                           "directory or its \"Archive\" folder, respectively",
                           "File deletion is allowed only within the \"Log\" or \"Archive\" directory"}));
    EXPECT_EQ(Refreshes, 0);
    EXPECT_FALSE(Commands.DeleteConfirmed());
    EXPECT_EQ(FilesIn(App.Paths().SettingsDir).size(), 3u);
    EXPECT_TRUE(FilesIn(App.Paths().ArchiveDir).isEmpty());
}

TEST_F(RecordCommands, OnlyTheLogInRecordingIsReadFromACopyAndOnlyWhileItIsWritten)
{
    Host.CurrentLog = LogPath(Newest);
    EXPECT_FALSE(Commands.IsBeingWritten(LogPath(Newest)));
    Host.Recording = true;
    EXPECT_TRUE(Commands.IsBeingWritten(App.Paths().LogDir + "./" + Newest + ".zlog"));
    EXPECT_FALSE(Commands.IsBeingWritten(LogPath(Oldest)));
}

TEST_F(RecordCommands, DensitiesAreComparedForTheHistogramsThatExist)
{
    EXPECT_EQ(Commands.HistogramsToCompare(LogPaths({Oldest, Middle, Newest})),
              (QStringList{App.Paths().LogDir + Oldest + ".histo", App.Paths().LogDir + Newest + ".histo"}));
    EXPECT_EQ(Services.Texts(), QStringList{"1 Histogram files corresponding to the Log files you have selected do not "
                                            "exist. The density will be shown only for the existing files"});
    Services.Shown.clear();
    EXPECT_TRUE(Commands.HistogramsToCompare(LogPaths({Middle})).isEmpty());
    EXPECT_EQ(Services.Texts(), QStringList{"The Histogram files corresponding to the Log files you have selected do "
                                            "not exist. Densities cannot be shown."});
}

using RecordFiles = RecordWindowTest;

TEST_F(RecordFiles, TrashingARecordTakesItsOwnFilesOnlyAndReadsNamesLiterally)
{
    for (const char *name : {"A?.zlog", "A?.meta", "Ab.zlog", "Ab.meta", "A?.1.zlog", ".A?.zlog"})
        App.WriteFile(QString("Log/") + name, "x");
    QList<TRecycleFailure> stayed;
    EXPECT_EQ(RecycleRecordFiles(App.Paths().LogDir + "A?.zlog", stayed), 2);
    EXPECT_EQ(Trash.Trashed(), (QStringList{"A?.meta", "A?.zlog"}));
    EXPECT_EQ(FilesIn(App.Paths().LogDir), (QStringList{".A?.zlog", "A?.1.zlog", "Ab.meta", "Ab.zlog"}));
}

} // namespace
