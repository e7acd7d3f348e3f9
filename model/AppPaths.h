#pragma once
// The folders beside the executable. Made once at start-up from the application's
// folder; tests make one from a temporary folder. Every folder path ends with '/',
// so a file name can be appended directly.

#include <QString>

struct TAppPaths {
    QString AppDir;
    QString ResourcesDir;
    QString SettingsDir;
    QString LogDir;
    QString ArchiveDir;

    static TAppPaths FromAppDir(const QString &appDir);
};
