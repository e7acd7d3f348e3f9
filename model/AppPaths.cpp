#include "model/AppPaths.h"

#include <QDir>

TAppPaths TAppPaths::FromAppDir(const QString &appDir)
{
    TAppPaths paths;
    paths.AppDir = QDir::cleanPath(QDir(appDir).absolutePath()) + '/';
    paths.ResourcesDir = paths.AppDir + "Resources/";
    paths.SettingsDir = paths.AppDir + "Settings/";
    paths.LogDir = paths.AppDir + "Log/";
    paths.ArchiveDir = paths.LogDir + "Archive/";
    return paths;
}
