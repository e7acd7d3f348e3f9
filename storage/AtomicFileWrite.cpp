#include "storage/AtomicFileWrite.h"

#include "storage/PosixFile.h"

#include "model/FileError.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// Creates a file of a name nobody else uses, beside path; its name goes to newPath.
std::unique_ptr<TPosixFile> CreateSibling(const QString &path, QString &newPath)
{
    constexpr int Attempts = 100;
    for (int attempt = 1;; ++attempt) {
        newPath = path + QStringLiteral(".~%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
        try {
            return std::make_unique<TPosixFile>(newPath, O_WRONLY | O_CREAT | O_EXCL);
        } catch (const EInOutError &error) {
            if (error.ErrorCode != EEXIST || attempt == Attempts)
                throw;
        }
    }
}

} // namespace

void ReplaceFileContent(const QString &path, const void *data, std::size_t size)
{
    QString newPath;
    const std::unique_ptr<TPosixFile> file = CreateSibling(path, newPath);
    const QByteArray encodedNewPath = QFile::encodeName(newPath);
    try {
        file->WriteAll(data, size);
        file->SyncToDisk();
        file->Close();
        if (std::rename(encodedNewPath.constData(), QFile::encodeName(path).constData()) != 0)
            throw FileError(path, errno);
    } catch (...) {
        ::unlink(encodedNewPath.constData());
        throw;
    }
}
