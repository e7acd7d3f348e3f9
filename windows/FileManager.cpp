#include "windows/FileManager.h"

#include "model/HandlerErrors.h"
#include "model/Services.h"
#include "storage/FileUtils.h"
#include "windows/FolderPicker.h"
#include "windows/RecordInfoPanel.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

const QString LogFileMask = QStringLiteral("*.zlog");

QString Caption(TFileManagerMode mode)
{
    switch (mode) {
    case TFileManagerMode::ShowDensities:
        return TFileManager::tr("File Manager - open Density Files");
    case TFileManagerMode::ExportRecord:
        return TFileManager::tr("File Manager - export a Log File");
    case TFileManagerMode::OpenRecord:
        return TFileManager::tr("File Manager - open a Log File");
    }
    return {};
}

} // namespace

TFileManager::TFileManager(IRecordWindowsHost &host, const TAppPaths &paths, QWidget *parent)
    : QWidget(parent, Qt::Window), Commands(host, paths)
{
    BuildLayout(host);
    if (IsDirectory(paths.LogDir)) {
        DirectoryListBox1Change(paths.LogDir);
    } else {
        ShowMessageBox(TMsgKind::Plain, tr("Unexpected Error: Log directory does not exist"));
        DirectoryListBox1Change(QDir::currentPath());
    }
}

TFileManager::~TFileManager() = default;

void TFileManager::DirectoryListBox1Change(const QString &folder)
{
    FolderPicker->ShowFolder(folder);
    Folder = FolderPicker->Folder();
    UserPickedFile = false;
    {
        const QSignalBlocker blocker(FileListBox1);
        FileListBox1->clear();
    }
    RefreshFileList();
    MakeNewestCurrent();
    FileListBox1Change();
}

void TFileManager::RefreshFileList()
{
    const QString current = CurrentFile();
    const QStringList highlighted = HighlightedFiles();
    {
        const QSignalBlocker blocker(FileListBox1);
        FileListBox1->clear();
        FileListBox1->addItems(
            QDir(Folder).entryList({LogFileMask}, QDir::Files, QDir::Name | QDir::IgnoreCase));
        for (int row = 0; row < FileListBox1->count(); ++row) {
            QListWidgetItem *item = FileListBox1->item(row);
            if (item->text() == current)
                FileListBox1->setCurrentItem(item, QItemSelectionModel::NoUpdate);
            item->setSelected(highlighted.contains(item->text()));
        }
    }
    FileListBox1Change();
}

void TFileManager::MakeNewestCurrent()
{
    if (FileListBox1->count() == 0)
        return;
    QListWidgetItem *newest = FileListBox1->item(FileListBox1->count() - 1);
    FileListBox1->setCurrentItem(newest, QItemSelectionModel::NoUpdate);
    newest->setSelected(true);
}

void TFileManager::ShowFileManager(TFileManagerMode mode)
{
    FileManagerMode = mode;
    setWindowTitle(Caption(mode));
    // The folder is read again first, so that the newest log is among the candidates.
    RefreshFileList();
    {
        const QSignalBlocker blocker(FileListBox1);
        if (!UserPickedFile && FileListBox1->count() > 0)
            FileListBox1->setCurrentItem(FileListBox1->item(FileListBox1->count() - 1),
                                         QItemSelectionModel::NoUpdate);
        if (QListWidgetItem *current = FileListBox1->currentItem())
            current->setSelected(true);
    }
    FileListBox1Change();
    show();
    raise();
    activateWindow();
}

QString TFileManager::CurrentFile() const
{
    const QListWidgetItem *current = FileListBox1->currentItem();
    return current ? current->text() : QString();
}

QStringList TFileManager::HighlightedFiles() const
{
    QStringList names;
    for (int row = 0; row < FileListBox1->count(); ++row)
        if (FileListBox1->item(row)->isSelected())
            names << FileListBox1->item(row)->text();
    return names;
}

QStringList TFileManager::HighlightedPaths() const
{
    QStringList paths;
    for (const QString &name : HighlightedFiles())
        paths << PathOf(name);
    return paths;
}

QString TFileManager::PathOf(const QString &fileName) const
{
    return QDir(Folder).filePath(fileName);
}

void TFileManager::FileListBox1Change()
{
    const QString name = CurrentFile();
    const QString path = PathOf(name);
    if (!QFileInfo(Folder).isDir() || name.isEmpty() || !QFileInfo(path).isFile())
        InfoPanel->ShowNoRecord();
    else
        InfoPanel->ShowRecord(path, int(HighlightedFiles().size()));
}

void TFileManager::ShowHighlightCount()
{
    InfoPanel->ShowHighlightCount(CurrentFile(), int(HighlightedFiles().size()));
}

void TFileManager::FileListBox1Click()
{
    UserPickedFile = true;
}

void TFileManager::FileListBox1DblClick()
{
    if (FileManagerMode != TFileManagerMode::ShowDensities)
        ImageOKbClick();
}

void TFileManager::ImageOKbClick()
{
    RunShowingErrors([this] {
        if (HighlightedFiles().isEmpty()) {
            ShowMessageBox(TMsgKind::Plain, tr("Please select at least one Log File"));
            return;
        }
        if (FileManagerMode == TFileManagerMode::ShowDensities)
            HandOnDensities();
        else
            HandOnCurrentRecord();
    });
}

// One record is handed on: the current one, or the first highlighted when the current one is
// not; it stays the only one highlighted.
void TFileManager::HandOnCurrentRecord()
{
    QListWidgetItem *current = FileListBox1->currentItem();
    if (!current || !current->isSelected()) {
        current = FileListBox1->selectedItems().constFirst();
        // The viewer reads this record at once and tells what it cannot read; the panel is
        // refreshed when the window shows again.
        const QSignalBlocker blocker(FileListBox1);
        FileListBox1->setCurrentItem(current, QItemSelectionModel::NoUpdate);
    }
    for (QListWidgetItem *item : FileListBox1->selectedItems())
        if (item != current)
            item->setSelected(false);
    const QString path = PathOf(current->text());
    const bool useTempCopy = Commands.IsBeingWritten(path);
    hide();
    if (FileManagerMode == TFileManagerMode::ExportRecord) {
        if (OnExportRecord)
            OnExportRecord(path);
    } else if (OnOpenRecord) {
        OnOpenRecord(path, useTempCopy);
    }
}

void TFileManager::HandOnDensities()
{
    const QStringList histogramFiles = Commands.HistogramsToCompare(HighlightedPaths());
    if (histogramFiles.isEmpty())
        return;
    hide();
    if (OnShowDensities)
        OnShowDensities(histogramFiles);
}

void TFileManager::DeleteFilesBClick()
{
    RunShowingErrors([this] { Commands.DeleteRecords(Folder, HighlightedPaths(), [this] { RefreshFileList(); }); });
}

void TFileManager::ArchiveBClick()
{
    RunShowingErrors([this] { Commands.ArchiveRecords(Folder, HighlightedPaths(), [this] { RefreshFileList(); }); });
}

// The preview follows the highlighted log only while the window is active; it catches up
// when the window becomes active again.
void TFileManager::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FileListBox1Change();
}

bool TFileManager::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FileListBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ImageOKbClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
