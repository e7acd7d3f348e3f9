#include "model/AtomicFileWrite.h"

#include "model/DiskRoom.h"
#include "model/FileError.h"

#include <QSaveFile>

#include <cerrno>

void ReplaceFileContent(const QString &path, const void *data, std::size_t size,
                        std::optional<QFileDevice::Permissions> permissions)
{
    if (DiskRoomFor(size) < size)
        throw FileError(path, ENOSPC);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file, path, errno);
    errno = 0;
    if (permissions && !file.setPermissions(*permissions))
        throw FileError(file, path, errno);
    errno = 0;
    if (file.write(static_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        throw FileError(file, path, errno);
    // A small content only reaches the disk when the buffer is flushed, and commit() does not
    // look at a failed flush: without this check a full disk would leave an empty file
    // renamed over the old one. Qt has no text for that failure; the system's is used. An
    // uncommitted QSaveFile removes its temporary file.
    errno = 0;
    if (!file.flush()) {
        const int flushError = errno;
        throw flushError != 0 ? FileError(path, flushError) : FileError(file, path, 0);
    }
    errno = 0;
    if (!file.commit())
        throw FileError(file, path, errno);
}
