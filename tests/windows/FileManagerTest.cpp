// The file manager over a temporary Log folder: the current log and highlighting, the
// information panel, OK by mode, deletion, archiving and restoring, and the preview; what it
// shows of a record, and how a record moves and goes to the trash as a whole.

#include "windows/Form7_FileManager.h"

#include "charts/RChart.h"
#include "model/InOutError.h"
#include "model/Units.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/RecordFileMoves.h"
#include "windows/RecordInfo.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QString Oldest = "2025 01 07 - 09 05 03", Middle = "2025 01 08 - 10 00 00", Newest = "2025 01 09 - 11 00 00";

class FileManager : public RecordWindowTest {
protected:
    FileManager()
    {
        for (const QString &name : {Oldest, Middle, Newest})
            Record(name, name != Middle);
    }

    QString Record(const QString &name, bool withHisto = true, const QString &folder = {})
    {
        return WriteRecord(folder.isEmpty() ? App.Paths().LogDir : folder, name, {Sample(1, 900), Sample(2)},
                           MakeMeta(UnitMWm2, 1, QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), "Ann"), withHisto);
    }
    TForm7 &Form()
    {
        if (!Window) {
            Window = std::make_unique<TForm7>(Host, App.Paths());
            Window->OnOpenRecord = [this](const QString &log, bool copy) { Opened.emplace_back(log, copy); };
            Window->OnShowDensities = [this](const QStringList &files) { Densities.push_back(files); };
        }
        return *Window;
    }
    QListWidgetItem *Item(const QString &name) { return Form().FileListBox1->findItems(name + ".zlog", Qt::MatchExactly).value(0); }
    void Click(const QString &name)
    {
        QTest::mouseClick(Form().FileListBox1->viewport(), Qt::LeftButton, {},
                          Form().FileListBox1->visualItemRect(Item(name)).center());
    }
    void Highlight(const QStringList &names)
    {
        Form().FileListBox1->clearSelection();
        for (const QString &name : names)
            Item(name)->setSelected(true);
    }
    QString LogPath(const QString &name) const { return App.Paths().LogDir + name + ".zlog"; }

    std::unique_ptr<TForm7> Window;
    std::vector<std::pair<QString, bool>> Opened;
    std::vector<QStringList> Densities;
};

TEST_F(FileManager, TheNewestLogIsCurrentUntilTheUserPicksOne)
{
    Form().ShowFileManager(0);
    EXPECT_EQ(Form().windowTitle(), "File Manager - open a Log File");
    EXPECT_EQ(Form().CurrentFile(), Newest + ".zlog");
    // What the panel says of a record is RecordInfo's rule.
    EXPECT_EQ(Form().LabelItemIndex->text(), Newest + " (1)");

    Click(Oldest);
    Form().hide();
    Record("2025 01 10 - 08 00 00");
    Form().ShowFileManager(1);
    EXPECT_EQ(Form().windowTitle(), "File Manager - open Density Files");
    EXPECT_EQ(Form().CurrentFile(), Oldest + ".zlog");
    EXPECT_EQ(Form().FileListBox1->count(), 4);
}

TEST_F(FileManager, OkInModeZeroOpensOnlyTheCurrentLog)
{
    Form().ShowFileManager(0);
    Highlight({Oldest, Middle, Newest});
    Form().FileListBox1->setCurrentItem(Item(Middle), QItemSelectionModel::NoUpdate);
    Form().ImageOKbClick();
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0], std::pair(LogPath(Middle), false));
    EXPECT_FALSE(Form().isVisible());

    // The log in recording is opened from a copy.
    Host.CurrentLog = LogPath(Middle);
    Host.Recording = true;
    Form().ImageOKbClick();
    EXPECT_EQ(Opened.back(), std::pair(LogPath(Middle), true));

    Form().FileListBox1->clearSelection();
    Form().ImageOKbClick();
    EXPECT_EQ(Services.Texts(), QStringList{"Please select at least one Log File"});
    EXPECT_EQ(Opened.size(), 2u);
}

TEST_F(FileManager, ModeOneHandsOnTheHistogramsThatExist)
{
    Form().ShowFileManager(1);
    Highlight({Oldest, Middle, Newest});
    Form().ImageOKbClick();
    EXPECT_EQ(Services.Texts(), QStringList{"1 Histogram files corresponding to the Log files you have selected do not "
                                            "exist. The density will be shown only for the existing files"});
    ASSERT_EQ(Densities.size(), 1u);
    EXPECT_EQ(Densities[0], (QStringList{App.Paths().LogDir + Oldest + ".histo", App.Paths().LogDir + Newest + ".histo"}));
    EXPECT_FALSE(Form().isVisible());

    Form().ShowFileManager(1);
    Highlight({Middle});
    Form().ImageOKbClick();
    EXPECT_EQ(Services.Texts().last(), "The Histogram files corresponding to the Log files you have selected do not "
                                       "exist. Densities cannot be shown.");
    EXPECT_EQ(Densities.size(), 1u);
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(FileManager, DoubleClickOpensInModeZeroOnlyAndEnterRunsOkInBoth)
{
    // A double click is a press and release followed by the double-click press.
    const auto doubleClick = [this] {
        Click(Newest);
        QTest::mouseDClick(Form().FileListBox1->viewport(), Qt::LeftButton, {},
                           Form().FileListBox1->visualItemRect(Item(Newest)).center());
    };
    Form().ShowFileManager(1);
    doubleClick();
    EXPECT_TRUE(Densities.empty());
    QTest::keyClick(Form().FileListBox1, Qt::Key_Return);
    EXPECT_EQ(Densities.size(), 1u);

    Form().ShowFileManager(0);
    doubleClick();
    ASSERT_EQ(Opened.size(), 1u);
    Form().ShowFileManager(0);
    QTest::keyClick(Form().FileListBox1, Qt::Key_Enter);
    EXPECT_EQ(Opened.size(), 2u);
}

TEST_F(FileManager, DeletionSparesTheLogInRecordingAsksOncePerRunAndListsWhatTheTrashRefused)
{
    Host.CurrentLog = LogPath(Oldest);
    Form().ShowFileManager(0);
    Highlight({Oldest, Newest});
    Services.Answer(TMsgAnswer::Cancel);
    Form().DeleteFilesBClick();
    EXPECT_EQ(FilesIn(App.Paths().LogDir).size(), 8u);

    Services.Answer(TMsgAnswer::Yes);
    Form().DeleteFilesBClick();
    EXPECT_EQ(Services.Texts().mid(1), (QStringList{"Do you really want to delete the highlighted files ?",
                                                    "You have highlighted the file currently being recorded (" +
                                                        LogPath(Oldest) + "). It will not be deleted."}));
    EXPECT_EQ(Trash.Trashed(), (QStringList{Newest + ".histo", Newest + ".meta", Newest + ".zlog"}));
    EXPECT_EQ(Form().FileListBox1->count(), 2);

    // No question the second time; files the trash refuses are listed in one warning.
    ASSERT_TRUE(Trash.Block());
    Highlight({Middle});
    const std::size_t shown = Services.Shown.size();
    Form().DeleteFilesBClick();
    ASSERT_EQ(Services.Shown.size(), shown + 1);
    EXPECT_EQ(Services.Shown.back().Kind, TMsgKind::Warning);
    const QStringList lines = Services.Shown.back().Text.split('\n');
    EXPECT_EQ(lines.size(), 1 + 2);  // the heading and the record's two files
    EXPECT_TRUE(lines.contains(LogPath(Middle) + ": Not a directory"));
    EXPECT_EQ(Form().FileListBox1->count(), 2);
}

TEST_F(FileManager, ArchivingAndDeletingOnlyWithinTheLogFolders)
{
    Form().DirectoryListBox1Change(App.Paths().SettingsDir);
    Record("elsewhere", true, App.Paths().SettingsDir);
    Form().RefreshFileList();
    Highlight({"elsewhere"});
    Form().ArchiveBClick();
    Form().DeleteFilesBClick();
    EXPECT_EQ(Services.Texts(),
              (QStringList{"You can archive or restore files only if the current directory is the default \"Log\" "
                           "directory or its \"Archive\" folder, respectively",
                           "File deletion is allowed only within the \"Log\" or \"Archive\" directory"}));
    EXPECT_EQ(FilesIn(App.Paths().SettingsDir).size(), 3u);
    EXPECT_TRUE(FilesIn(App.Paths().ArchiveDir).isEmpty());
}

TEST_F(FileManager, ArchiveAndRestoreMoveTheWholeRecord)
{
    Host.CurrentLog = LogPath(Oldest);
    Form().ShowFileManager(0);
    Highlight({Oldest, Middle, Newest});
    Form().ArchiveBClick();
    ASSERT_EQ(Services.Shown.size(), 2u);
    EXPECT_EQ(Services.Shown[0].Text,
              "You have highlighted the file currently being recorded (" + LogPath(Oldest) + "). It will not be moved.");
    EXPECT_TRUE(Services.Shown[1].Text.contains(Middle + ".histo"));  // it has none to move
    EXPECT_EQ(FilesIn(App.Paths().ArchiveDir), (QStringList{Middle + ".meta", Middle + ".zlog", Newest + ".histo",
                                                          Newest + ".meta", Newest + ".zlog"}));

    Form().DirectoryListBox1Change(App.Paths().ArchiveDir);
    Highlight({Newest});
    Form().ArchiveBClick();
    EXPECT_EQ(FilesIn(App.Paths().LogDir).size(), 6u);
    EXPECT_EQ(Form().FileListBox1->count(), 1);
}

TEST_F(FileManager, ThePreviewFollowsTheListOnlyWhileTheWindowIsActive)
{
    Form().ShowFileManager(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Form().HChart->ItemCount(), 2u);  // the newest log's two levels
    EXPECT_EQ(Form().Label6->text(), "Histogram of dBmW/m²");

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Form().FileListBox1->setCurrentItem(Item(Middle));  // it has no histogram
    EXPECT_EQ(Form().Label6->text(), "Histogram of dBmW/m²");

    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Form().Label6->text(), "Histogram not available");
    EXPECT_EQ(Form().HChart->ItemCount(), 0u);
}

TEST_F(FileManager, AnUnreadableRecordIsToldOnceAndOnlyWhenTheUserLooksAtIt)
{
    const QString damaged = "2025 01 10 - 08 00 00";
    Record(damaged);
    App.WriteFile("Log/" + damaged + ".meta", QByteArray(100, 'x'));
    App.WriteFile("Log/" + damaged + ".histo", "not a histogram");
    // Built at start-up with the damaged record preselected: nobody looks at it yet.
    Form();
    EXPECT_TRUE(Services.Shown.empty());
    EXPECT_TRUE(Form().LabelReadProblem->text().contains(damaged + ".meta"));

    Form().ShowFileManager(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    EXPECT_TRUE(Services.Shown[0].Text.contains(damaged + ".histo"));
    // One line per file, without the folder.
    const QStringList lines = Form().LabelReadProblem->text().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], damaged + ".meta: Read beyond end of file (100 of 576 bytes)");
    EXPECT_TRUE(lines[1].startsWith(damaged + ".histo: Invalid histogram file, line 1: ")) << lines[1].toStdString();

    // The window manager hands the focus back after the box: no further box.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Services.Shown.size(), 1u);

    // Another record, then the damaged one again: one box for that click, not one per signal.
    Click(Oldest);
    EXPECT_EQ(Form().MemoOperator->text(), "Ann");
    EXPECT_TRUE(Form().LabelReadProblem->isHidden());
    Click(damaged);
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(FileManager, OkOnAnUnreadableRecordLeavesTheTellingToTheViewer)
{
    App.WriteFile("Log/" + Middle + ".meta", "short");
    Form().ShowFileManager(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    Highlight({Middle});  // the newest stays current
    Form().ImageOKbClick();
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(FileManager, AMissingLogFolderIsReportedAtCreation)
{
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    Form();
    EXPECT_EQ(Services.Texts(), QStringList{"Unexpected Error: Log directory does not exist"});
}

TEST_F(FileManager, TheFolderButtonOpensTheListedFolderAndAFailureEndsOnlyThatClick)
{
    Services.OpenWith = [](const QString &folder) -> bool {
        throw EInOutError("Permission denied (13): " + folder, 13);
    };
    Form().ShowFileManager(0);
    Services.Shown.clear();
    // The error leaves the click in the program's box, not through the button's signal.
    QTest::mouseClick(Form().OpenDirB, Qt::LeftButton);
    EXPECT_EQ(Services.Texts(), QStringList{"Permission denied (13): " + App.Paths().LogDir.chopped(1)});

    Services.OpenWith = nullptr;
    QTest::mouseClick(Form().OpenDirB, Qt::LeftButton);
    EXPECT_EQ(Services.Opened, QStringList(2, App.Paths().LogDir.chopped(1)));
    EXPECT_EQ(Services.Shown.size(), 1u);
}

using RecordFiles = RecordWindowTest;

TEST_F(RecordFiles, EveryFieldIsShownWhateverTheVersion)
{
    TMetaData meta = MakeMeta(UnitVm, 10, QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), "Bo", "Lab", "line", 6);
    meta.Version = 7;
    const std::optional<TRecordInfo> info = ReadRecordInfo(
        WriteRecord(App.Paths().LogDir, "old", std::vector<TSampleRecord>(20, Sample(1)), meta, false));
    ASSERT_TRUE(info);
    EXPECT_EQ((QStringList{info->Operator, info->Place, info->Notes, info->Unit, info->Correction, info->Interval,
                           info->Size, info->Samples, info->Duration}),
              (QStringList{"Bo", "Lab", "line", "V/m", "6 dB", "10 sec", "160 bytes", "20", "~ 3 minutes, 20 seconds"}));
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
