#include "windows/FolderChainFilter.h"

#include <QFileSystemModel>

namespace {

// path is folder itself or one of the folders above it.
bool OnChainTo(const QString &path, const QString &folder)
{
    if (!folder.startsWith(path))
        return false;
    return folder.size() == path.size() || path.endsWith(u'/') || folder[path.size()] == u'/';
}

} // namespace

TFolderChainFilter::TFolderChainFilter(QFileSystemModel &folders, QObject *parent)
    : QSortFilterProxyModel(parent), Folders(folders)
{
    setSourceModel(&folders);
}

void TFolderChainFilter::SetFolder(const QString &folder)
{
    Folder = folder;
    invalidateFilter();
}

QModelIndex TFolderChainFilter::IndexOf(const QString &path) const
{
    return mapFromSource(Folders.index(path));
}

QString TFolderChainFilter::PathOf(const QModelIndex &index) const
{
    return Folders.filePath(mapToSource(index));
}

bool TFolderChainFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex entry = Folders.index(sourceRow, 0, sourceParent);
    const QString path = Folders.filePath(entry);
    return OnChainTo(path, Folder) || Folders.filePath(sourceParent) == Folder;
}
