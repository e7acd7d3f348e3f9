#include "windows/FolderPicker.h"

#include "dialogs/WidgetStyle.h"
#include "model/HandlerErrors.h"
#include "model/Services.h"
#include "windows/FileManagerGlyphs.h"
#include "windows/FileManagerStyle.h"
#include "windows/FolderChainFilter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

TFolderPicker::TFolderPicker(QWidget *parent) : QWidget(parent)
{
    QVBoxLayout *column = MakeColumn(this);
    column->addWidget(Heading(tr(" Drive"), this));
    DriveComboBox1 = new QComboBox(this);
    StyleField(DriveComboBox1);
    {
        QPalette palette = DriveComboBox1->palette();
        palette.setColor(QPalette::Button, FieldGrey);
        DriveComboBox1->setPalette(palette);
    }
    column->addWidget(DriveComboBox1);
    auto *directoryHeading = new QHBoxLayout;
    directoryHeading->addWidget(Heading(tr(" Directory"), this), 1);
    OpenDirB = ImageButton(OpenFolderGlyph(), tr("Open current directory in Windows explorer"), this);
    directoryHeading->addWidget(OpenDirB);
    column->addLayout(directoryHeading);
    DirectoryModel = new QFileSystemModel(this);
    DirectoryModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    DirectoryModel->setReadOnly(true);
    DirectoryChain = new TFolderChainFilter(*DirectoryModel, this);
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setModel(DirectoryChain);
    for (int modelColumn = 1; modelColumn < DirectoryModel->columnCount(); ++modelColumn)
        DirectoryListBox1->hideColumn(modelColumn);
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setFrameShape(QFrame::NoFrame);
    DirectoryListBox1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    DirectoryListBox1->header()->setStretchLastSection(false);
    StyleField(DirectoryListBox1);
    column->addWidget(DirectoryListBox1, 1);
    FillDriveList();

    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, ShowingErrors(this, &TFolderPicker::DriveComboBox1Change));
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            ShowingErrors([this](const QModelIndex &current) {
                if (!ChangingFolder && current.isValid())
                    emit FolderPicked(DirectoryChain->PathOf(current));
            }));
    // The folder tree is filled in the background: the shown folder's subfolders show once
    // they have arrived.
    connect(DirectoryModel, &QFileSystemModel::directoryLoaded, this, ShowingErrors([this](const QString &path) {
        if (path == ShownFolder)
            DirectoryListBox1->expand(DirectoryChain->IndexOf(ShownFolder));
    }));
    connect(OpenDirB, &QToolButton::clicked, this, ShowingErrors(this, &TFolderPicker::OpenDirBClick));
}

void TFolderPicker::FillDriveList()
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

void TFolderPicker::ShowFolder(const QString &folder)
{
    ShownFolder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    SelectDriveOf(ShownFolder);
    ShowFolderInTree();
}

void TFolderPicker::SelectDriveOf(const QString &folder)
{
    const int index = DriveComboBox1->findData(QStorageInfo(folder).rootPath());
    if (index < 0)
        return;
    const QSignalBlocker blocker(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(index);
}

void TFolderPicker::ShowFolderInTree()
{
    ChangingFolder = true;
    DirectoryModel->setRootPath(ShownFolder);
    DirectoryChain->SetFolder(ShownFolder);
    // The volume's root is the tree's first row.
    const QString root = QDir::cleanPath(DriveComboBox1->currentData().toString());
    const bool volumeHoldsFolder =
        !root.isEmpty() && (ShownFolder == root || ShownFolder.startsWith(root + u'/'));
    DirectoryListBox1->setRootIndex(volumeHoldsFolder && root != QStringLiteral("/")
                                        ? DirectoryChain->IndexOf(QFileInfo(root).absolutePath())
                                        : QModelIndex());
    const QModelIndex shown = DirectoryChain->IndexOf(ShownFolder);
    for (QModelIndex branch = shown; branch.isValid(); branch = branch.parent())
        DirectoryListBox1->expand(branch);
    DirectoryListBox1->setCurrentIndex(shown);
    DirectoryListBox1->scrollTo(shown);
    ChangingFolder = false;
}

void TFolderPicker::DriveComboBox1Change(int index)
{
    const QString root = DriveComboBox1->itemData(index).toString();
    if (!root.isEmpty())
        emit FolderPicked(root);
}

void TFolderPicker::OpenDirBClick()
{
    ShellOpen(ShownFolder);
}
