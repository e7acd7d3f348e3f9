#include "model/AtomicFileWrite.h"

#include "model/FileError.h"

#include <QSaveFile>

#include <cerrno>

void ReplaceFileContent(const QString &path, const void *data, std::size_t size)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file, path, errno);
    errno = 0;
    if (file.write(static_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size) ||
        !file.commit())
        throw FileError(file, path, errno);
}
