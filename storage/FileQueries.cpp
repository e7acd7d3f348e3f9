#include "storage/FileUtils.h"

#include <QFileInfo>

std::int64_t FileSizeOf(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return -1;
    // A directory listing gives folders no size.
    return info.isDir() ? 0 : info.size();
}

bool IsDirectory(const QString &path)
{
    return QFileInfo(path).isDir();
}
