#pragma once
// An open file descriptor whose every operation is checked: a failure throws EInOutError
// carrying errno and the file name. The record formats use it so that the error the
// user sees is the operating system's own, with its code.

#include <QString>

#include <sys/types.h>

#include <cstddef>
#include <cstdint>

class TPosixFile {
public:
    // flags as for open(2); O_CLOEXEC is added. Opening a directory fails with EISDIR.
    TPosixFile(const QString &path, int flags, mode_t mode = 0666);
    ~TPosixFile();  // closes without checking when Close() was not called
    TPosixFile(const TPosixFile &) = delete;
    TPosixFile &operator=(const TPosixFile &) = delete;

    std::int64_t Size() const;
    void SeekTo(std::int64_t offset);
    // Writes as much as the disk has room for (model/DiskRoom.h) and fails for the rest.
    void WriteAll(const void *data, std::size_t size);
    void Truncate(std::int64_t size);
    // Reads until size bytes or the end of the file; returns the bytes read.
    std::size_t ReadUpTo(void *data, std::size_t size);
    void SyncToDisk();
    void Close();

    const QString &Path() const { return FileName; }

private:
    [[noreturn]] void Fail(int errorCode) const;

    QString FileName;
    int Descriptor = -1;
};
