#include "windows/RecordFileMoves.h"

#include "storage/LogFile.h"
#include "storage/FileUtils.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool NameIsTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString BaseNameOf(const QString &logPath)
{
    const QString name = QFileInfo(logPath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 ? name.left(dot) : name;
}

} // namespace

QString FreeRecordBaseName(const QString &folder, const QString &baseName)
{
    const auto isFree = [&](const QString &base) {
        for (const QString &extension : RecordExtensions)
            if (NameIsTaken(folder + base + extension))
                return false;
        return true;
    };
    QString base = baseName;
    for (int number = 2; !isFree(base); ++number)
        base = QStringLiteral("%1 (%2)").arg(baseName).arg(number);
    return base;
}

int MoveRecordFiles(const QString &logPath, const QString &folder)
{
    const QString base = FreeRecordBaseName(folder, BaseNameOf(logPath));
    int moved = 0;
    for (const QString &extension : RecordExtensions)
        if (ShellMoveFile(CompanionName(logPath, extension), folder + base + extension, false))
            ++moved;
    return moved;
}

int RecycleRecordFiles(const QString &logPath, QList<TRecycleFailure> &failures)
{
    const QFileInfo log(QFileInfo(logPath).absoluteFilePath());
    const QString base = BaseNameOf(logPath);
    QStringList companions;
    const QFileInfoList entries = QDir(log.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        // "A.1.zlog" is a record of its own, not a companion of "A.zlog".
        if (name.size() > base.size() && name.startsWith(base) && name[base.size()] == u'.' &&
            name.indexOf(u'.', base.size() + 1) < 0)
            companions << entry.absoluteFilePath();
    }
    return RecycleFiles(companions, failures);
}
