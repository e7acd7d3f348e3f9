#include "windows/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// Only '*' and '?' are wildcards: brackets are ordinary characters of a record's name
// ("Import[1]"), where a glob would read them as a character class and miss the file.
QRegularExpression MaskExpression(const QString &mask)
{
    QString pattern;
    for (const QChar c : mask) {
        if (c == QLatin1Char('*'))
            pattern += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            pattern += QLatin1Char('.');
        else
            pattern += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

} // namespace

int RecycleFiles(const QString &mask)
{
    const QFileInfo maskInfo(QDir::cleanPath(QFileInfo(mask).absoluteFilePath()));
    const QRegularExpression expression = MaskExpression(maskInfo.fileName());
    // Without the data folder that holds the home trash, QFile::moveToTrash "succeeds" by
    // moving the file into a "files" folder under the working directory.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    int removed = 0;
    const QFileInfoList entries = QDir(maskInfo.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().startsWith(QLatin1Char('.')) || !expression.match(entry.fileName()).hasMatch())
            continue;
        if (QFile::moveToTrash(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}
