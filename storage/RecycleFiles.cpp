#include "storage/FileUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Without the data folder that holds the home trash, QFile::moveToTrash "succeeds" by moving
// the file into a "files" folder under the working directory.
void MakeTrashReachable()
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

// Moves one file to the trash; the empty text on success, the reason otherwise.
QString TrashOneFile(const QString &path)
{
    QFile file(path);
    if (!file.moveToTrash())
        return file.errorString();
    // When no trash folder can be made at all, the file lands under the working directory
    // and success is reported: it goes back where it was.
    const QFileInfo stray(file.fileName());
    if (QDir::isRelativePath(stray.filePath())) {
        QFile::rename(stray.filePath(), path);
        QDir trash = stray.dir();
        trash.cdUp();
        QFile::remove(trash.filePath(QStringLiteral("info/") + stray.fileName() + QStringLiteral(".trashinfo")));
        for (const QString &folder : {QStringLiteral("files"), QStringLiteral("info")})
            trash.rmdir(folder);
        return QCoreApplication::translate("RecycleFiles", "no trash folder could be made for it");
    }
    return {};
}

} // namespace

int RecycleFiles(const QStringList &fileNames, QList<TRecycleFailure> &failures)
{
    MakeTrashReachable();
    int removed = 0;
    for (const QString &fileName : fileNames) {
        const QFileInfo entry(fileName);
        if (entry.fileName().startsWith(QLatin1Char('.')) || entry.isDir())
            continue;
        const QString reason = TrashOneFile(entry.absoluteFilePath());
        if (reason.isEmpty())
            ++removed;
        else
            failures.append({entry.absoluteFilePath(), reason});
    }
    return removed;
}

QString RecycleFailureLines(const QList<TRecycleFailure> &failures)
{
    QStringList lines;
    for (const TRecycleFailure &failure : failures)
        lines << QDir::toNativeSeparators(failure.FileName) + QStringLiteral(": ") + failure.Reason;
    return lines.join(u'\n');
}
