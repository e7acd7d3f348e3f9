#pragma once
// TFileManager, the file manager: the logs (*.zlog) of any folder, the metadata, size, number of
// samples, duration and histogram preview of the highlighted one; it opens one log in the
// record viewer or hands the histograms of several to the density analyser, moves logs to the
// trash and between the Log folder and its Archive folder. Its controls are public members
// named as in the window's design, so the tests reach them directly.

#include "model/AppPaths.h"
#include "model/UnitHistogram_COMMON.h"
#include "windows/RecordReadProblems.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class IRecordWindowsHost;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QToolButton;
class QTreeView;
class TFolderChainFilter;
class TChartWidget;

class TFileManager : public QWidget {
    Q_OBJECT

public:
    // Built hidden (FormCreate), listing the Log folder.
    TFileManager(IRecordWindowsHost &host, const TAppPaths &paths, QWidget *parent = nullptr);
    ~TFileManager() override;

    // Mode 0 opens a log in the viewer, mode 1 hands histograms to the density analyser, mode 2
    // hands one log on to be exported. Sets
    // the caption, makes the newest log current until the user has picked one, and shows the
    // window (not modal).
    void ShowFileManager(int mode);
    // Reads the listed folder into the file list again, keeping the current and highlighted
    // logs that are still there.
    void RefreshFileList();

    // What OK hands on: the log to open (useTempCopy: it is being recorded), and the existing
    // histogram files of the highlighted logs, in list order.
    std::function<void(const QString &logFile, bool useTempCopy)> OnOpenRecord;
    std::function<void(const QStringList &histogramFiles)> OnShowDensities;
    std::function<void(const QString &logFile)> OnExportRecord;

    // The folder whose logs are listed: clean, absolute, without a trailing '/'.
    QString ListedFolder() const { return Folder; }
    // A new folder (DirectoryListBox1Change): the newest log becomes current and highlighted.
    void DirectoryListBox1Change(const QString &folder);
    void DriveComboBox1Change(int index);
    // Shows the current log's information (and, while the window is active, its preview). A
    // file of it that cannot be read is named in the panel, and told in one box per highlighted
    // record while the user looks at the window.
    void FileListBox1Change();
    void FileListBox1Click();
    void FileListBox1DblClick();
    void ImageOKbClick();
    void DeleteFilesBClick();
    void ArchiveBClick();
    void OpenDirBClick();
    // The highlighted logs' file names, in list order.
    QStringList HighlightedFiles() const;
    QString CurrentFile() const;

    std::uint8_t FileManagerMode = 0;
    bool UserPickedFile = false;
    bool DeleteConfirmed = false;
    THistogram PreviewHistogram;

    // Controls.
    QComboBox *DriveComboBox1 = nullptr;
    QToolButton *OpenDirB = nullptr;
    QTreeView *DirectoryListBox1 = nullptr;
    QFileSystemModel *DirectoryModel = nullptr;
    TFolderChainFilter *DirectoryChain = nullptr;
    QToolButton *ArchiveB = nullptr;
    QToolButton *DeleteFilesB = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QLineEdit *MemoOperator = nullptr;
    QLineEdit *MemoPlace = nullptr;
    QPlainTextEdit *MemoNotes = nullptr;
    QLineEdit *MemoDateTime = nullptr;
    QLineEdit *MemoiUnit = nullptr;
    QLineEdit *MemoCorrection = nullptr;
    QLineEdit *MemoInterval = nullptr;
    QLineEdit *MemoSize = nullptr;
    QLineEdit *MemoNumSamples = nullptr;
    QLineEdit *MemoDuration = nullptr;
    QLabel *Label6 = nullptr;
    TChartWidget *HChart = nullptr;
    QLabel *LabelItemIndex = nullptr;
    // Names the file of the highlighted record that cannot be read, and why; hidden otherwise.
    QLabel *LabelReadProblem = nullptr;
    QToolButton *ImageOKb = nullptr;

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();  // FileManagerLayout.cpp
    void FillDriveList();
    void ShowFolderInTree();
    void SelectDriveOf(const QString &folder);
    void MakeNewestCurrent();
    void ClearInformation();
    void ShowInformation(const QString &logPath);
    // "name (number of highlighted logs)" beside OK, while a record's information is shown.
    void ShowHighlightCount();
    void ShowPreview(const QString &logPath);
    void ShowReadProblems();
    void TellReadProblems();
    QString PathOf(const QString &fileName) const;
    // The log in recording, whose files are neither moved nor deleted.
    bool IsRecordingLog(const QString &path) const;
    bool FolderIs(const QString &dir) const;
    void OpenHighlightedRecord();
    void ShowHighlightedDensities();

    IRecordWindowsHost &Host;
    const TAppPaths Paths;
    QString Folder;
    bool ChangingFolder = false;
    // The record the information panel is about, and whether the user was told that its files
    // cannot be read.
    QString ShownRecord;
    bool ReadProblemTold = false;
    bool InformationShown = false;
    TRecordReadProblems ReadProblems;
};
