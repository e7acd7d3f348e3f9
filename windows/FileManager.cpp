#include "windows/FileManager.h"

#include "charts/LevelHistogram.h"
#include "charts/ChartWidget.h"
#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "model/Units.h"
#include "storage/FileUtils.h"
#include "storage/LogFile.h"
#include "windows/FolderChainFilter.h"
#include "windows/RecordFileMoves.h"
#include "windows/RecordInfo.h"
#include "windows/RecordWindowsHost.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>

namespace {

const QString LogFileMask = QStringLiteral("*.zlog");

QString CleanFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace

TFileManager::TFileManager(IRecordWindowsHost &host, const TAppPaths &paths, QWidget *parent)
    : QWidget(parent, Qt::Window), PreviewHistogram(LevelFloorDb, LevelCeilingDb), Host(host), Paths(paths)
{
    BuildLayout();
    FillDriveList();
    if (IsDirectory(Paths.LogDir)) {
        DirectoryListBox1Change(Paths.LogDir);
    } else {
        ShowMessageBox(TMsgKind::Plain, QStringLiteral("Unexpected Error: Log directory does not exist"));
        DirectoryListBox1Change(QDir::currentPath());
    }
}

TFileManager::~TFileManager() = default;

void TFileManager::FillDriveList()
{
    const QSignalBlocker blocker(DriveComboBox1);
    DriveComboBox1->clear();
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString label = volume.name();
        DriveComboBox1->addItem(label.isEmpty() ? volume.rootPath() : volume.rootPath() + QStringLiteral("  [") +
                                                                          label + u']',
                                volume.rootPath());
    }
}

void TFileManager::SelectDriveOf(const QString &folder)
{
    const int index = DriveComboBox1->findData(QStorageInfo(folder).rootPath());
    if (index < 0)
        return;
    const QSignalBlocker blocker(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(index);
}

void TFileManager::ShowFolderInTree()
{
    ChangingFolder = true;
    DirectoryModel->setRootPath(Folder);
    DirectoryChain->SetFolder(Folder);
    // The volume's root is the tree's first row.
    const QString root = QDir::cleanPath(DriveComboBox1->currentData().toString());
    const bool volumeHoldsFolder = !root.isEmpty() && (Folder == root || Folder.startsWith(root + u'/'));
    DirectoryListBox1->setRootIndex(volumeHoldsFolder && root != QStringLiteral("/")
                                        ? DirectoryChain->IndexOf(QFileInfo(root).absolutePath())
                                        : QModelIndex());
    const QModelIndex folder = DirectoryChain->IndexOf(Folder);
    for (QModelIndex branch = folder; branch.isValid(); branch = branch.parent())
        DirectoryListBox1->expand(branch);
    DirectoryListBox1->setCurrentIndex(folder);
    DirectoryListBox1->scrollTo(folder);
    ChangingFolder = false;
}

void TFileManager::DriveComboBox1Change(int index)
{
    const QString root = DriveComboBox1->itemData(index).toString();
    if (!root.isEmpty())
        DirectoryListBox1Change(root);
}

void TFileManager::DirectoryListBox1Change(const QString &folder)
{
    Folder = CleanFolder(folder);
    SelectDriveOf(Folder);
    ShowFolderInTree();
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

void TFileManager::ShowFileManager(int mode)
{
    FileManagerMode = mode == 1 || mode == 2 ? std::uint8_t(mode) : 0;
    setWindowTitle(FileManagerMode == 1   ? QStringLiteral("File Manager - open Density Files")
                   : FileManagerMode == 2 ? QStringLiteral("File Manager - export a Log File")
                                          : QStringLiteral("File Manager - open a Log File"));
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

QString TFileManager::PathOf(const QString &fileName) const
{
    return QDir(Folder).filePath(fileName);
}

bool TFileManager::FolderIs(const QString &dir) const
{
    return Folder == CleanFolder(dir);
}

bool TFileManager::IsRecordingLog(const QString &path) const
{
    return CleanFolder(path) == CleanFolder(Host.CurrentLogFile());
}

void TFileManager::ClearInformation()
{
    for (QLineEdit *field : {MemoOperator, MemoPlace, MemoDateTime, MemoiUnit, MemoCorrection, MemoInterval, MemoSize,
                             MemoNumSamples, MemoDuration})
        field->clear();
    MemoNotes->clear();
    LabelItemIndex->clear();
    InformationShown = false;
    ReadProblems.Clear(TRecordReadProblems::Meta);
    ShowReadProblems();
}

void TFileManager::FileListBox1Change()
{
    const QString name = CurrentFile();
    const QString path = PathOf(name);
    if (!QFileInfo(Folder).isDir() || name.isEmpty() || !QFileInfo(path).isFile()) {
        ReadProblems.Clear(TRecordReadProblems::Preview);
        ClearInformation();
        HChart->ClearItems();
        HChart->Redraw();
        ShownRecord.clear();
        return;
    }
    if (path != ShownRecord) {
        ShownRecord = path;
        ReadProblemTold = false;
    }
    ShowInformation(path);
    if (isActiveWindow())
        ShowPreview(path);
    ShowReadProblems();
    TellReadProblems();
}

void TFileManager::ShowInformation(const QString &logPath)
{
    std::optional<TRecordInfo> info;
    try {
        info = ReadRecordInfo(logPath);
    } catch (const EInOutError &error) {
        ClearInformation();
        ReadProblems.Set(TRecordReadProblems::Meta, CompanionName(logPath, QStringLiteral(".meta")), error.Message);
        return;
    }
    ReadProblems.Clear(TRecordReadProblems::Meta);
    if (!info) {
        ClearInformation();
        return;
    }
    MemoOperator->setText(info->Operator);
    MemoPlace->setText(info->Place);
    MemoNotes->setPlainText(info->Notes);
    MemoDateTime->setText(info->DateTime);
    MemoiUnit->setText(info->Unit);
    MemoCorrection->setText(info->Correction);
    MemoInterval->setText(info->Interval);
    MemoSize->setText(info->Size);
    MemoNumSamples->setText(info->Samples);
    MemoDuration->setText(info->Duration);
    if (!info->Damage.isEmpty())
        ReadProblems.Set(TRecordReadProblems::Meta, CompanionName(logPath, QStringLiteral(".meta")), info->Damage);
    InformationShown = true;
    ShowHighlightCount();
}

void TFileManager::ShowHighlightCount()
{
    if (InformationShown)
        LabelItemIndex->setText(QFileInfo(CurrentFile()).completeBaseName() + QStringLiteral(" (") +
                                QString::number(HighlightedFiles().size()) + u')');
}

void TFileManager::ShowPreview(const QString &logPath)
{
    const QString histogramFile = CompanionName(logPath, QStringLiteral(".histo"));
    Label6->setText(QStringLiteral("Histogram not available"));
    HChart->ClearItems();
    HChart->Redraw();
    ReadProblems.Clear(TRecordReadProblems::Preview);
    if (!QFileInfo(histogramFile).isFile())
        return;
    try {
        PreviewHistogram = THistogram::ReadFromFile(histogramFile);
    } catch (const EInOutError &error) {
        ReadProblems.Set(TRecordReadProblems::Preview, histogramFile, error.Message);
        return;
    }
    Label6->setText(QStringLiteral("Histogram of dBmW/m²"));
    DrawLevelHistogram(*HChart, PreviewHistogram, Host.RiskPopulation(), Host.RiskState(), false);
}

void TFileManager::ShowReadProblems()
{
    LabelReadProblem->setText(ReadProblems.Lines());
    LabelReadProblem->setVisible(!ReadProblems.Empty());
}

// Once per highlighted record, and only while the user looks at the window: the box gives the
// focus away and back, and telling again on that return would never let the user out.
void TFileManager::TellReadProblems()
{
    if (ReadProblems.Empty() || ReadProblemTold || !isActiveWindow())
        return;
    ReadProblemTold = true;
    ShowMessageBox(TMsgKind::Error, ReadProblems.Messages());
}

void TFileManager::FileListBox1Click()
{
    UserPickedFile = true;
}

void TFileManager::FileListBox1DblClick()
{
    if (FileManagerMode != 1)
        ImageOKbClick();
}

void TFileManager::ImageOKbClick()
{
    RunShowingErrors([this] {
        if (HighlightedFiles().isEmpty()) {
            ShowMessageBox(TMsgKind::Plain, QStringLiteral("Please select at least one Log File"));
            return;
        }
        if (FileManagerMode == 1)
            ShowHighlightedDensities();
        else
            OpenHighlightedRecord();
    });
}

void TFileManager::OpenHighlightedRecord()
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
    const bool useTempCopy = Host.IsRecording() && IsRecordingLog(path);
    hide();
    if (FileManagerMode == 2) {
        if (OnExportRecord)
            OnExportRecord(path);
    } else if (OnOpenRecord) {
        OnOpenRecord(path, useTempCopy);
    }
}

void TFileManager::ShowHighlightedDensities()
{
    QStringList existing;
    int missing = 0;
    for (const QString &name : HighlightedFiles()) {
        const QString histogramFile = CompanionName(PathOf(name), QStringLiteral(".histo"));
        if (QFileInfo(histogramFile).isFile())
            existing << histogramFile;
        else
            ++missing;
    }
    if (existing.isEmpty()) {
        ShowMessageBox(TMsgKind::Plain, QStringLiteral("The Histogram files corresponding to the Log files you have "
                                                       "selected do not exist. Densities cannot be shown."));
        return;
    }
    if (missing > 0)
        ShowMessageBox(TMsgKind::Plain,
                       QString::number(missing) +
                           QStringLiteral(" Histogram files corresponding to the Log files you have selected do not "
                                          "exist. The density will be shown only for the existing files"));
    hide();
    if (OnShowDensities)
        OnShowDensities(existing);
}

void TFileManager::DeleteFilesBClick()
{
    RunShowingErrors([this] {
        if (!FolderIs(Paths.LogDir) && !FolderIs(Paths.ArchiveDir)) {
            ShowMessageBox(TMsgKind::Plain,
                           QStringLiteral("File deletion is allowed only within the \"Log\" or \"Archive\" directory"));
            return;
        }
        if (!DeleteConfirmed) {
            if (ShowMessageBox(TMsgKind::Confirmation,
                               QStringLiteral("Do you really want to delete the highlighted files ?"),
                               TMsgButtons::YesCancel) != TMsgAnswer::Yes)
                return;
            DeleteConfirmed = true;
        }
        QList<TRecycleFailure> stayed;
        for (const QString &name : HighlightedFiles()) {
            const QString path = PathOf(name);
            if (IsRecordingLog(path)) {
                ShowMessageBox(TMsgKind::Plain, QStringLiteral("You have highlighted the file currently being "
                                                               "recorded (%1). It will not be deleted.")
                                                    .arg(Host.CurrentLogFile()));
                continue;
            }
            RecycleRecordFiles(path, stayed);
        }
        RefreshFileList();
        // No desktop dialog tells of a failed move to the trash here, so the user is told once.
        if (!stayed.isEmpty())
            ShowMessageBox(TMsgKind::Warning,
                           QStringLiteral("These files could not be moved to the recycle bin and were not deleted:\n") +
                               RecycleFailureLines(stayed));
    });
}

void TFileManager::ArchiveBClick()
{
    RunShowingErrors([this] {
        QString destination;
        if (FolderIs(Paths.LogDir)) {
            destination = Paths.ArchiveDir;
        } else if (FolderIs(Paths.ArchiveDir)) {
            destination = Paths.LogDir;
        } else {
            ShowMessageBox(TMsgKind::Plain,
                           QStringLiteral("You can archive or restore files only if the current directory is the "
                                          "default \"Log\" directory or its \"Archive\" folder, respectively"));
            return;
        }
        for (const QString &name : HighlightedFiles()) {
            const QString path = PathOf(name);
            // Moving it away would make the recording's next batch fail.
            if (IsRecordingLog(path)) {
                ShowMessageBox(TMsgKind::Plain, QStringLiteral("You have highlighted the file currently being "
                                                               "recorded (%1). It will not be moved.")
                                                    .arg(Host.CurrentLogFile()));
                continue;
            }
            MoveRecordFiles(path, destination);
        }
        RefreshFileList();
    });
}

void TFileManager::OpenDirBClick()
{
    ShellOpen(Folder);
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
