// The file manager over a temporary Log folder: the current log, its information and preview,
// OK by mode, the delete and archive buttons on the highlighted logs, an unreadable record, and
// the folder picker with its folder button.

#include "windows/FileManager.h"

#include "model/InOutError.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/FolderChainFilter.h"
#include "windows/FolderPicker.h"
#include "windows/RecordInfoPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

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

TEST_F(FileManager, OkOpensOnlyTheCurrentLogAsDoesADoubleClick)
{
    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    Highlight({Oldest, Middle, Newest});
    Form().FileListBox1->setCurrentItem(Item(Middle), QItemSelectionModel::NoUpdate);
    Form().ImageOKbClick();
    EXPECT_EQ(Opened, (std::vector{std::pair(LogPath(Middle), false)}));
    EXPECT_FALSE(Form().isVisible());

    // The log in recording is opened from a copy.
    Host.CurrentLog = LogPath(Newest);
    Host.Recording = true;
    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    DoubleClick(Newest);
    EXPECT_EQ(Opened.back(), std::pair(LogPath(Newest), true));

    Form().FileListBox1->clearSelection();
    Form().ImageOKbClick();
    EXPECT_EQ(Services.Texts(), QStringList{"Please select at least one Log File"});
    EXPECT_EQ(Opened.size(), 2u);
}

TEST_F(FileManager, ForDensitiesOkHandsOnTheHistogramsThatExistOnEnterButNotOnADoubleClick)
{
    Form().ShowFileManager(TFileManagerMode::ShowDensities);
    DoubleClick(Newest);
    EXPECT_TRUE(Densities.empty());
    Highlight({Oldest, Middle, Newest});
    QTest::keyClick(Form().FileListBox1, Qt::Key_Return);
    EXPECT_EQ(Densities, (std::vector{QStringList{App.Paths().LogDir + Oldest + ".histo", App.Paths().LogDir + Newest + ".histo"}}));
}

// The newest log is current until the user picks one. Its information follows the current log
// at once; the preview only while the window is active, and it catches up when the window
// becomes active again.
TEST_F(FileManager, TheNewestLogIsCurrentAndItsPreviewWaitsForTheWindowToBeActive)
{
    EXPECT_EQ(Form().InfoPanel->MemoOperator->text(), "Ann");
    EXPECT_EQ(Form().InfoPanel->HChart->ItemCount(), 0u);
    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Form().CurrentFile(), Newest + ".zlog");
    EXPECT_EQ(Form().InfoPanel->HChart->ItemCount(), 2u); // its two levels

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Form().FileListBox1->setCurrentItem(Item(Middle));
    EXPECT_EQ(Form().InfoPanel->MemoSize->text(), "16 bytes");
    EXPECT_EQ(Form().InfoPanel->LabelItemIndex->text(), Middle + " (2)"); // the newest stays highlighted
    EXPECT_EQ(Form().InfoPanel->HistogramCaption->text(), "Histogram of dBmW/m²");
    EXPECT_EQ(Form().InfoPanel->HChart->ItemCount(), 2u);
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Form().InfoPanel->HistogramCaption->text(), "Histogram not available");
    EXPECT_EQ(Form().InfoPanel->HChart->ItemCount(), 0u);

    // Shown again, the log the user clicked stays current among the newer ones.
    Click(Middle);
    Form().hide();
    Record("2025 01 10 - 08 00 00");
    Form().ShowFileManager(TFileManagerMode::ShowDensities);
    EXPECT_EQ(Form().CurrentFile(), Middle + ".zlog");
    EXPECT_EQ(Form().FileListBox1->count(), 4);
}

// The buttons work on the highlighted logs of the listed folder, and the list follows; what
// is spared and how records move is RecordCommands'.
TEST_F(FileManager, TheButtonsDeleteArchiveAndRestoreTheHighlightedLogs)
{
    Host.CurrentLog = LogPath(Oldest);
    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    Highlight({Oldest, Newest});
    Services.Answer(TMsgAnswer::Yes);
    QTest::mouseClick(Form().DeleteFilesB, Qt::LeftButton);
    EXPECT_EQ(Trash.Trashed(), (QStringList{Newest + ".histo", Newest + ".meta", Newest + ".zlog"}));
    EXPECT_EQ(Form().HighlightedFiles(), QStringList{Oldest + ".zlog"});
    EXPECT_EQ(Form().FileListBox1->count(), 2);

    Highlight({Middle});
    QTest::mouseClick(Form().ArchiveB, Qt::LeftButton);
    EXPECT_EQ(Form().FileListBox1->count(), 1);
    Form().DirectoryListBox1Change(App.Paths().ArchiveDir);
    EXPECT_EQ(Form().HighlightedFiles(), QStringList{Middle + ".zlog"});
    QTest::mouseClick(Form().ArchiveB, Qt::LeftButton);
    EXPECT_EQ(Form().FileListBox1->count(), 0);
    EXPECT_TRUE(Form().InfoPanel->MemoOperator->text().isEmpty());
    EXPECT_EQ(FilesIn(App.Paths().LogDir).size(), 5u);
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

    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(Services.Shown.size(), 1u);
    // One line per file, without the folder.
    EXPECT_TRUE(Form().InfoPanel->LabelReadProblem->text().startsWith(damaged + ".meta: Read beyond end of file (100 of 576 bytes)\n" +
                                                           damaged + ".histo: Invalid histogram file, line 1: "))
        << Form().InfoPanel->LabelReadProblem->text().toStdString();

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
    EXPECT_EQ(Form().InfoPanel->MemoOperator->text(), "Ann");
    EXPECT_TRUE(Form().InfoPanel->LabelReadProblem->isHidden());
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
    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    Click(damaged);
    EXPECT_EQ(std::tuple(Form().InfoPanel->MemoInterval->text(), Form().InfoPanel->MemoDuration->text(), Form().InfoPanel->MemoCorrection->text(),
                         Form().InfoPanel->MemoOperator->text()),
              std::tuple(QString("0.5 sec"), QString("~ 1 second"), QString("0 dB"), QString("Ann\uFFFDBob")));
    EXPECT_EQ(Form().InfoPanel->LabelReadProblem->text(), damaged + ".meta: The meta data file holds values that cannot be "
                                                         "right: correction, interval. 0 dB, 0.5 sec are used instead.");
    EXPECT_EQ(Services.Shown.size(), 1u);
}

// The user picks a folder in the tree or a drive in the drive list; the list follows it.
TEST_F(FileManager, AFolderPickedInTheTreeOrADriveIsListed)
{
    App.WriteFile("Log/Archive/a.zlog", "");
    App.WriteFile("Log/Archive/b.zlog", "");
    TFolderPicker &picker = *Form().FolderPicker;
    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    Click(Oldest);
    const QString archive = App.Paths().ArchiveDir.chopped(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker.DirectoryChain->IndexOf(archive).isValid(); }, 5000));
    picker.DirectoryListBox1->setCurrentIndex(picker.DirectoryChain->IndexOf(archive));
    EXPECT_EQ(Form().ListedFolder(), archive);
    EXPECT_EQ(Form().HighlightedFiles(), QStringList{"b.zlog"});
    EXPECT_FALSE(Form().UserPickedFile);

    const int volume = picker.DriveComboBox1->findData(QStorageInfo(archive).rootPath());
    ASSERT_GE(volume, 0);
    picker.DriveComboBox1Change(volume);
    EXPECT_EQ(Form().ListedFolder(), QDir::cleanPath(QStorageInfo(archive).rootPath()));
    EXPECT_EQ(picker.Folder(), Form().ListedFolder());
}

TEST_F(FileManager, TheFolderButtonOpensTheListedFolderAndAFailureEndsOnlyThatClick)
{
    Services.OpenWith = [](const QString &folder) -> bool {
        throw EInOutError("Permission denied (13): " + folder, 13);
    };
    Form().ShowFileManager(TFileManagerMode::OpenRecord);
    Services.Shown.clear();
    // The error leaves the click in the program's box, not through the button's signal.
    QTest::mouseClick(Form().FolderPicker->OpenDirB, Qt::LeftButton);
    EXPECT_EQ(Services.Texts(), QStringList{"Permission denied (13): " + App.Paths().LogDir.chopped(1)});

    Services.OpenWith = nullptr;
    QTest::mouseClick(Form().FolderPicker->OpenDirB, Qt::LeftButton);
    EXPECT_EQ(Services.Opened, QStringList(2, App.Paths().LogDir.chopped(1)));
    EXPECT_EQ(Services.Shown.size(), 1u);
}

} // namespace
