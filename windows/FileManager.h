#pragma once
// TFileManager, the file manager: the logs (*.zlog) of any folder, the metadata, size, number of
// samples, duration and histogram preview of the highlighted one; it opens one log in the
// record viewer, hands the histograms of several to the density analyser or one log to the
// export, moves logs to the trash and between the Log folder and its Archive folder. It
// assembles the folder picker, its own list of logs and the record information panel; the
// commands on records are TRecordCommands'. Its controls are public members named as in the
// window's design, so the tests reach them directly.

#include "model/AppPaths.h"
#include "windows/FileManagerMode.h"
#include "windows/RecordCommands.h"

#include <QWidget>

#include <functional>

class IRecordWindowsHost;
class QListWidget;
class QToolButton;
class TFolderPicker;
class TRecordInfoPanel;

class TFileManager : public QWidget {
    Q_OBJECT

public:
    // Built hidden (FormCreate), listing the Log folder.
    TFileManager(IRecordWindowsHost &host, const TAppPaths &paths, QWidget *parent = nullptr);
    ~TFileManager() override;

    // Sets the caption for mode, makes the newest log current until the user has picked one,
    // and shows the window (not modal).
    void ShowFileManager(TFileManagerMode mode);
    TFileManagerMode Mode() const { return FileManagerMode; }
    // Reads the listed folder into the file list again, keeping the current and highlighted
    // logs that are still there.
    void RefreshFileList();

    // What OK hands on: the log to open (useTempCopy: it is being recorded), the existing
    // histogram files of the highlighted logs, in list order, and the log to export.
    std::function<void(const QString &logFile, bool useTempCopy)> OnOpenRecord;
    std::function<void(const QStringList &histogramFiles)> OnShowDensities;
    std::function<void(const QString &logFile)> OnExportRecord;

    // The folder whose logs are listed: clean, absolute, without a trailing '/'.
    QString ListedFolder() const { return Folder; }
    // A new folder (DirectoryListBox1Change): the newest log becomes current and highlighted.
    void DirectoryListBox1Change(const QString &folder);
    // Shows the current log's information (and, while the window is active, its preview).
    void FileListBox1Change();
    void FileListBox1Click();
    void FileListBox1DblClick();
    void ImageOKbClick();
    void DeleteFilesBClick();
    void ArchiveBClick();
    // The highlighted logs' file names, in list order.
    QStringList HighlightedFiles() const;
    QString CurrentFile() const;

    bool UserPickedFile = false;

    // Parts and controls.
    TFolderPicker *FolderPicker = nullptr;
    QToolButton *ArchiveB = nullptr;
    QToolButton *DeleteFilesB = nullptr;
    QListWidget *FileListBox1 = nullptr;
    TRecordInfoPanel *InfoPanel = nullptr;
    QToolButton *ImageOKb = nullptr;

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout(IRecordWindowsHost &host); // FileManagerLayout.cpp
    void MakeNewestCurrent();
    void ShowHighlightCount();
    QString PathOf(const QString &fileName) const;
    QStringList HighlightedPaths() const;
    void HandOnCurrentRecord();
    void HandOnDensities();

    TRecordCommands Commands;
    TFileManagerMode FileManagerMode = TFileManagerMode::OpenRecord;
    QString Folder;
};
