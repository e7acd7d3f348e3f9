#pragma once
// The file manager's left column: the drive list, the button that opens the listed folder on
// the desktop and the folder tree. It shows one folder at a time and tells when the user picks
// another one, in the drive list or in the tree.

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QToolButton;
class QTreeView;
class TFolderChainFilter;

class TFolderPicker : public QWidget {
    Q_OBJECT

public:
    explicit TFolderPicker(QWidget *parent = nullptr);

    // Selects folder's drive and shows folder in the tree, without telling FolderPicked.
    void ShowFolder(const QString &folder);
    // The folder shown: clean, absolute, without a trailing '/'.
    QString Folder() const { return ShownFolder; }

    void DriveComboBox1Change(int index);
    void OpenDirBClick();

    QComboBox *DriveComboBox1 = nullptr;
    QToolButton *OpenDirB = nullptr;
    QTreeView *DirectoryListBox1 = nullptr;
    QFileSystemModel *DirectoryModel = nullptr;
    TFolderChainFilter *DirectoryChain = nullptr;

signals:
    void FolderPicked(const QString &folder);

private:
    void FillDriveList();
    void SelectDriveOf(const QString &folder);
    void ShowFolderInTree();

    QString ShownFolder;
    bool ChangingFolder = false;
};
