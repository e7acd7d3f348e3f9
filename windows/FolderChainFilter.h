#pragma once
// The file manager's folder tree as a directory list box shows it: the chain of folders from
// the volume's root down to the listed folder, and the listed folder's own subfolders; the
// siblings along the way are left out, so the tree stays short however deep the folder lies.

#include <QSortFilterProxyModel>

class QFileSystemModel;

class TFolderChainFilter : public QSortFilterProxyModel {
public:
    TFolderChainFilter(QFileSystemModel &folders, QObject *parent = nullptr);

    // folder: clean and absolute.
    void SetFolder(const QString &folder);
    QModelIndex IndexOf(const QString &path) const;
    QString PathOf(const QModelIndex &index) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QFileSystemModel &Folders;
    QString Folder;
};
