#include "storage/FileUtils.h"

#include <QFile>
#include <QFileInfo>

std::atomic<bool> CopyAbortFlag{false};

namespace {

constexpr qint64 BlockSize = 8192;

bool IsSameFile(const QString &source, const QString &destination)
{
    const QString existingDestination = QFileInfo(destination).canonicalFilePath();
    return !existingDestination.isEmpty() && existingDestination == QFileInfo(source).canonicalFilePath();
}

} // namespace

int CopyFileByBlocks(const QString &source, const QString &destination, bool keepAttributes,
                     const std::function<void(std::int64_t done, std::int64_t total)> &progress)
{
    CopyAbortFlag = false;
    // No share-deny-write here: the caller holds the line delivery that would append to it.
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    // Truncating the destination would empty the source when both are one file.
    if (IsSameFile(source, destination))
        return -2;
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return -2;

    const std::int64_t total = in.size();
    if (progress)
        progress(0, total);
    std::int64_t done = 0;
    char block[BlockSize];
    for (;;) {
        const qint64 got = in.read(block, BlockSize);
        if (got < 0)
            return -4;
        if (progress)
            progress(done, total);
        if (out.write(block, got) != got)
            return -3;
        done += got;
        if (got < BlockSize || CopyAbortFlag)
            break;
    }
    if (progress)
        progress(done, total);
    out.setFileTime(in.fileTime(QFileDevice::FileModificationTime), QFileDevice::FileModificationTime);
    out.close();
    in.close();
    // The attributes are a courtesy to the reader of the copy; the copy itself is complete.
    if (keepAttributes)
        QFile::setPermissions(destination, QFile::permissions(source) | QFileDevice::WriteOwner);
    return 0;
}
