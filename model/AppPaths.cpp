#include "model/AppPaths.h"

#include "model/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace {

const QString FolderName = QStringLiteral("zeltar-logger");

QString CleanFolder(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath()) + '/';
}

// The user's folder of a kind, with the program's own folder in it.
QString UserFolder(QStandardPaths::StandardLocation location)
{
    return CleanFolder(QStandardPaths::writableLocation(location) + '/' + FolderName);
}

// text: the box's text with %1 the folder, %2 the system's reason and %3 its code.
void ShowFolderError(const QString &text, const QString &folder, int errorCode)
{
    ShowMessageBox(TMsgKind::Error, text.arg(QDir::toNativeSeparators(folder),
                                             QString::fromLocal8Bit(std::strerror(errorCode)),
                                             QString::number(errorCode)));
}

} // namespace

TAppPaths TAppPaths::FromAppDir(const QString &appDir)
{
    TAppPaths paths;
    paths.AppDir = CleanFolder(appDir);
    paths.ResourcesDir = paths.AppDir + "Resources/";
    paths.SettingsDir = paths.AppDir + "Settings/";
    paths.LogDir = paths.AppDir + "Log/";
    paths.ArchiveDir = paths.LogDir + "Archive/";
    return paths;
}

TAppPaths TAppPaths::ForExecutableIn(const QString &executableDir)
{
    TAppPaths paths = FromAppDir(executableDir);
    const QFileInfo settings(paths.SettingsDir);
    if (settings.isDir() && settings.isWritable())
        return paths;
    paths.Portable = false;
    paths.ResourcesDir = ResourcesDirFor(executableDir);
    paths.SettingsDir = UserFolder(QStandardPaths::GenericConfigLocation);
    paths.LogDir = UserFolder(QStandardPaths::GenericDataLocation) + "Log/";
    paths.ArchiveDir = paths.LogDir + "Archive/";
    return paths;
}

QString TAppPaths::ResourcesDirFor(const QString &executableDir)
{
    // A portable folder that this user may not write (one installed by root, say) still brings
    // its own resources.
    const QString beside = FromAppDir(executableDir).ResourcesDir;
    if (QFileInfo(beside).isDir())
        return beside;
    return CleanFolder(executableDir + "/../share/" + FolderName);
}

bool MakeUserFolders(const TAppPaths &paths)
{
    if (paths.Portable)
        return true;
    for (const QString &folder : {paths.SettingsDir, paths.LogDir, paths.ArchiveDir}) {
        const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
        std::error_code error;
        std::filesystem::create_directories(path.constData(), error);
        if (error) {
            ShowFolderError(QCoreApplication::translate("AppPaths", "The folder \"%1\" cannot be created: %2 (%3). "
                                                                    "ZELTAR Logger needs it and ends now."),
                            folder, error.value());
            return false;
        }
        if (::access(path.constData(), W_OK | X_OK) != 0) {
            ShowFolderError(QCoreApplication::translate("AppPaths", "The folder \"%1\" cannot be written: %2 (%3). "
                                                                    "ZELTAR Logger needs it and ends now."),
                            folder, errno);
            return false;
        }
    }
    return true;
}
