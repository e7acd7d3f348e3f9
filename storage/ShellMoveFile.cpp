#include "storage/FileUtils.h"

#include "model/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// "dir/name (2).ext": the number goes before the extension, the part from the last '.'.
QString NumberedName(const QString &destination, int number)
{
    const QFileInfo info(destination);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    return info.dir().filePath(QStringLiteral("%1 (%2)%3").arg(base).arg(number).arg(extension));
}

bool NameIsTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();  // a dangling link is a name in use too
}

} // namespace

bool ShellMoveFile(const QString &source, const QString &destination, bool silent)
{
    QString target = destination;
    for (int number = 2; NameIsTaken(target); ++number)
        target = NumberedName(destination, number);
    QFile file(source);
    // QFile::rename never replaces an existing file, so a name taken meanwhile fails here
    // rather than losing that file.
    if (file.rename(target))
        return true;
    if (!silent)
        ShowMessageBox(TMsgKind::Error, QCoreApplication::translate("ShellMoveFile", "Cannot move \"%1\" to \"%2\": %3")
                                            .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target),
                                                 file.errorString()));
    return false;
}
