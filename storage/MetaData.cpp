#include "storage/MetaData.h"

#include "model/AtomicFileWrite.h"
#include "storage/PosixFile.h"

#include "model/InOutError.h"

#include <QCoreApplication>
#include <QDir>

#include <bit>
#include <fcntl.h>

static_assert(std::endian::native == std::endian::little, "the record is stored as it lies in memory");

void WriteMetaFile(const QString &path, TMetaData &meta, double startTime)
{
    meta.StartTime = startTime;
    ReplaceFileContent(path, &meta, sizeof meta);
}

void ReadMetaFile(const QString &path, TMetaData &meta)
{
    TMetaData read;
    TPosixFile file(path, O_RDONLY);
    const std::size_t got = file.ReadUpTo(&read, sizeof read);
    if (got < sizeof read)
        throw EInOutError(QCoreApplication::translate("MetaData", "Read beyond end of file (%1 of %2 bytes): %3")
                              .arg(got)
                              .arg(sizeof read)
                              .arg(QDir::toNativeSeparators(path)));
    file.Close();
    meta = read;
}
