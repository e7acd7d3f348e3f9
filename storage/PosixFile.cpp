#include "storage/PosixFile.h"

#include "model/DiskRoom.h"
#include "model/FileError.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TPosixFile::TPosixFile(const QString &path, int flags, mode_t mode)
    : FileName(path)
{
    do {
        Descriptor = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, mode);
    } while (Descriptor < 0 && errno == EINTR);
    if (Descriptor < 0)
        Fail(errno);
    struct stat status {};
    const int statusError = ::fstat(Descriptor, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
    if (statusError != 0) {
        // A throwing constructor runs no destructor: close here.
        ::close(Descriptor);
        Descriptor = -1;
        Fail(statusError);
    }
}

TPosixFile::~TPosixFile()
{
    if (Descriptor >= 0)
        ::close(Descriptor);
}

void TPosixFile::Fail(int errorCode) const
{
    throw FileError(FileName, errorCode);
}

std::int64_t TPosixFile::Size() const
{
    struct stat status {};
    if (::fstat(Descriptor, &status) != 0)
        Fail(errno);
    return status.st_size;
}

void TPosixFile::SeekTo(std::int64_t offset)
{
    if (::lseek(Descriptor, static_cast<off_t>(offset), SEEK_SET) < 0)
        Fail(errno);
}

void TPosixFile::WriteAll(const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const char *>(data);
    const std::size_t room = DiskRoomFor(size);
    const bool noRoomForAll = room < size;
    size = std::min(room, size);
    while (size > 0) {
        const ssize_t written = ::write(Descriptor, bytes, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    if (noRoomForAll)
        Fail(ENOSPC);
}

void TPosixFile::Truncate(std::int64_t size)
{
    if (::ftruncate(Descriptor, static_cast<off_t>(size)) != 0)
        Fail(errno);
}

std::size_t TPosixFile::ReadUpTo(void *data, std::size_t size)
{
    auto *bytes = static_cast<char *>(data);
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(Descriptor, bytes + total, size - total);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return total;
}

void TPosixFile::SyncToDisk()
{
    if (::fsync(Descriptor) != 0)
        Fail(errno);
}

void TPosixFile::Close()
{
    // The descriptor is gone whatever close() reports, so it is never closed twice.
    const int descriptor = Descriptor;
    Descriptor = -1;
    if (::close(descriptor) != 0)
        Fail(errno);
}
