#include "storage/LogFile.h"

#include "model/InOutError.h"
#include "storage/PosixFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <bit>
#include <fcntl.h>

static_assert(std::endian::native == std::endian::little, "records are stored as they lie in memory");

QString LogFileName(const QString &logDir, const QDateTime &now)
{
    return logDir + QLocale::c().toString(now.toLocalTime(), QStringLiteral("yyyy MM dd - HH mm ss")) +
           QStringLiteral(".zlog");
}

QString CompanionName(const QString &logPath, const QString &extension)
{
    qsizetype lastSeparator = logPath.lastIndexOf(QLatin1Char('/'));
    if (QDir::separator() != QLatin1Char('/'))
        lastSeparator = std::max(lastSeparator, logPath.lastIndexOf(QDir::separator()));
    const qsizetype lastDot = logPath.lastIndexOf(QLatin1Char('.'));
    const QString base = lastDot > lastSeparator ? logPath.left(lastDot) : logPath;
    return base + extension;
}

void CreateLogFile(const QString &path)
{
    TPosixFile file(path, O_WRONLY | O_CREAT | O_TRUNC);
    file.Close();
}

void AppendSamples(const QString &path, const std::vector<TSampleRecord> &records)
{
    TPosixFile file(path, O_WRONLY);
    const std::int64_t wholeRecords = file.Size() / static_cast<std::int64_t>(sizeof(TSampleRecord));
    const std::int64_t end = wholeRecords * static_cast<std::int64_t>(sizeof(TSampleRecord));
    file.SeekTo(end);
    try {
        file.WriteAll(records.data(), records.size() * sizeof(TSampleRecord));
    } catch (const EInOutError &) {
        // The records that did get written would be written again by the next append: the
        // log goes back to what it was, and the disk gets the room back.
        try {
            file.Truncate(end);
        } catch (const EInOutError &) {
            // The write's error is the one to report.
        }
        throw;
    }
    file.Close();
}

QString CompanionToWrite(const QString &logPath, const QString &extension)
{
    const QString companion = CompanionName(logPath, extension);
    if (QFileInfo(companion).fileName() == extension)
        throw EInOutError(QCoreApplication::translate("LogFile", "No %1 file can be written without the name of a record: %2")
                              .arg(extension, QDir::toNativeSeparators(logPath)));
    return companion;
}
