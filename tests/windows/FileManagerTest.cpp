// The file manager over a temporary Log folder: the current log and its preview, OK by mode,
// deletion, archiving and an unreadable record, and which files go to the trash with a record.

#include "windows/FileManager.h"

#include "model/InOutError.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/RecordFileMoves.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <tuple>

namespace {

const QString Oldest = "2025 01 07 - 09 05 03", Middle = "2025 01 08 - 10 00 00", Newest = "2025 01 09 - 11 00 00";

class FileManager : public RecordWindowTest {
protected:
    FileManager()
    {
        for (const QString &name : {Oldest, Middle, Newest})
            Record(name, name != Middle);
    }

    QString Record(const QString &name, bool withHisto = true)
    {
        return WriteRecord(App.Paths().LogDir, name, {Sample(1, 900), Sample(2)},
                           MakeMeta(UnitMWm2, 1, QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), "Ann"), withHisto);
    }
    TFileManager &Form()
    {
        if (!Window) {
            Window = std::make_unique<TFileManager>(Host, App.Paths());
            Window->OnOpenRecord = [this](const QString &log, bool copy) { Opened.emplace_back(log, copy); };
            Window->OnShowDensities = [this](const QStringList &files) { Densities.push_back(files); };
        }
        return *Window;
    }
    QListWidgetItem *Item(const QString &name) { return Form().FileListBox1->findItems(name + ".zlog", Qt::MatchExactly).value(0); }
    QPoint At(const QString &name) { return Form().FileListBox1->visualItemRect(Item(name)).center(); }
    void Click(const QString &name) { QTest::mouseClick(Form().FileListBox1->viewport(), Qt::LeftButton, {}, At(name)); }
    // A double click is a press and release followed by the double-click press.
    void DoubleClick(const QString &name)
    {
        Click(name);
        QTest::mouseDClick(Form().FileListBox1->viewport(), Qt::LeftButton, {}, At(name));
    }
    void Highlight(const QStringList &names)
    {
        Form().FileListBox1->clearSelection();
        for (const QString &name : names)
            Item(name)->setSelected(true);
    }
    QString LogPath(const QString &name) const { return App.Paths().LogDir + name + ".zlog"; }

    std::unique_ptr<TFileManager> Window;
    std::vector<std::pair<QString, bool>> Opened;
    std::vector<QStringList> Densities;
};

TEST_F(FileManager, TheNewestLogIsCurrentAndPreviewedUntilTheUserPicksOne)
{
    Form().ShowFileManager(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Form().CurrentFile(), Newest + ".zlog");
    EXPECT_EQ(Form().HChart->ItemCount(), 2u);  // its two levels
    Click(Middle);
    EXPECT_EQ(Form().Label6->text(), "Histogram not available");

    Form().hide();
    Record("2025 01 10 - 08 00 00");
    Form().ShowFileManager(1);
    EXPECT_EQ(Form().CurrentFile(), Middle + ".zlog");
    EXPECT_EQ(Form().FileListBox1->count(), 4);
}

TEST_F(FileManager, OkInModeZeroOpensOnlyTheCurrentLogAsDoesADoubleClick)
{
    Form().ShowFileManager(0);
    Highlight({Oldest, Middle, Newest});
    Form().FileListBox1->setCurrentItem(Item(Middle), QItemSelectionModel::NoUpdate);
    Form().ImageOKbClick();
    EXPECT_EQ(Opened, (std::vector{std::pair(LogPath(Middle), false)}));
    EXPECT_FALSE(Form().isVisible());

    // The log in recording is opened from a copy.
    Host.CurrentLog = LogPath(Newest);
    Host.Recording = true;
    Form().ShowFileManager(0);
    DoubleClick(Newest);
    EXPECT_EQ(Opened.back(), std::pair(LogPath(Newest), true));

    Form().FileListBox1->clearSelection();
    Form().ImageOKbClick();
    EXPECT_EQ(Services.Texts(), QStringList{"Please select at least one Log File"});
    EXPECT_EQ(Opened.size(), 2u);
}

TEST_F(FileManager, ModeOneHandsOnTheHistogramsThatExistOnEnterButNotOnADoubleClick)
{
    Form().ShowFileManager(1);
    DoubleClick(Newest);
    EXPECT_TRUE(Densities.empty());
    Highlight({Oldest, Middle, Newest});
    QTest::keyClick(Form().FileListBox1, Qt::Key_Return);
    EXPECT_EQ(Services.Texts(), QStringList{"1 Histogram files corresponding to the Log files you have selected do not "
                                            "exist. The density will be shown only for the existing files"});
    EXPECT_EQ(Densities, (std::vector{QStringList{App.Paths().LogDir + Oldest + ".histo", App.Paths().LogDir + Newest + ".histo"}}));
}

TEST_F(FileManager, DeletionSparesTheLogInRecordingAsksOncePerRunAndListsWhatTheTrashRefused)
{
    Host.CurrentLog = LogPath(Oldest);
    Form().ShowFileManager(0);
    Highlight({Oldest, Newest});
    Services.Answer(TMsgAnswer::Yes);
    Form().DeleteFilesBClick();
    EXPECT_EQ(Services.Texts(), (QStringList{"Do you really want to delete the highlighted files ?",
                                             "You have highlighted the file currently being recorded (" +
                                                 LogPath(Oldest) + "). It will not be deleted."}));
    EXPECT_EQ(Trash.Trashed(), (QStringList{Newest + ".histo", Newest + ".meta", Newest + ".zlog"}));
    EXPECT_EQ(Form().FileListBox1->count(), 2);

    // No question the second time; files the trash refuses are listed in one warning.
    ASSERT_TRUE(Trash.Block());
    Highlight({Middle});
    Services.Shown.clear();
    Form().DeleteFilesBClick();
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_TRUE(Services.Shown[0].Text.split('\n').contains(LogPath(Middle) + ": Not a directory"));
}

TEST_F(FileManager, ArchiveAndRestoreMoveWholeRecords)
{
    App.WriteFile("Log/Archive/" + Newest + ".meta", "kept");  // so the record moves under a free name
    Host.CurrentLog = LogPath(Oldest);
    Form().ShowFileManager(0);
    Highlight({Oldest, Middle, Newest});
    Form().ArchiveBClick();
    EXPECT_EQ(Services.Texts().value(0),
              "You have highlighted the file currently being recorded (" + LogPath(Oldest) + "). It will not be moved.");
    EXPECT_EQ(Services.Shown.size(), 2u);  // and Middle's .histo, which it has not
    EXPECT_EQ(FilesIn(App.Paths().ArchiveDir), (QStringList{Middle + ".meta", Middle + ".zlog", Newest + " (2).histo",
                                                          Newest + " (2).meta", Newest + " (2).zlog", Newest + ".meta"}));
    Form().DirectoryListBox1Change(App.Paths().ArchiveDir);
    Highlight({Middle});
    Form().ArchiveBClick();
    EXPECT_EQ(FilesIn(App.Paths().LogDir).size(), 5u);
}

// Archiving and deleting must never touch the user's files outside the Log folders.
TEST_F(FileManager, ArchivingAndDeletingOnlyWithinTheLogFolders)
{
    Form().DirectoryListBox1Change(App.Paths().SettingsDir);
    WriteRecord(App.Paths().SettingsDir, "elsewhere", {Sample(1)}, MakeMeta(UnitMWm2, 1, {}, "Ann"));
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

TEST_F(FileManager, AnUnreadableRecordIsToldOnceAndOnlyWhenTheUserLooksAtIt)
{
    const QString damaged = "2025 01 10 - 08 00 00";
    Record(damaged);
    App.WriteFile("Log/" + damaged + ".meta", QByteArray(100, 'x'));
    App.WriteFile("Log/" + damaged + ".histo", "not a histogram");
    // Built at start-up with the damaged record preselected: nobody looks at it yet.
    Form();
    EXPECT_TRUE(Services.Shown.empty());

    Form().ShowFileManager(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Services.Shown.size(), 1u);
    // One line per file, without the folder.
    EXPECT_TRUE(Form().LabelReadProblem->text().startsWith(damaged + ".meta: Read beyond end of file (100 of 576 bytes)\n" +
                                                           damaged + ".histo: Invalid histogram file, line 1: "))
        << Form().LabelReadProblem->text().toStdString();

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

    // OK on it while another is current leaves the telling to the viewer.
    Click(Oldest);
    Highlight({damaged});
    Form().ImageOKbClick();
    EXPECT_EQ(Opened, (std::vector{std::pair(LogPath(damaged), false)}));
    EXPECT_EQ(Services.Shown.size(), 2u);
}

// Damaged values show as what stands in for them, told once on the problem line and in one box.
TEST_F(FileManager, DamagedValuesOfAMetaShowTheirReplacementsAndAreToldOnce)
{
    const QString damaged = "2025 01 10 - 08 00 00";
    TMetaData meta = MakeMeta(UnitMWm2, INFINITY, QDateTime(QDate(2025, 1, 6), QTime(8, 0)), "Ann\nBob");
    meta.Correction = -128;
    WriteRecord(App.Paths().LogDir, damaged, {Sample(1), Sample(2)}, meta);
    Form().ShowFileManager(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    Click(damaged);
    EXPECT_EQ(std::tuple(Form().MemoInterval->text(), Form().MemoDuration->text(), Form().MemoCorrection->text(),
                         Form().MemoOperator->text()),
              std::tuple(QString("0.5 sec"), QString("~ 1 second"), QString("0 dB"), QString("Ann\uFFFDBob")));
    EXPECT_EQ(Form().LabelReadProblem->text(), damaged + ".meta: The meta data file holds values that cannot be "
                                                         "right: correction, interval. 0 dB, 0.5 sec are used instead.");
    EXPECT_EQ(Services.Shown.size(), 1u);
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
