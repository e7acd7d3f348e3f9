#pragma once
// The program's folders, decided once at start-up. An executable beside a writable Settings/
// folder is a portable folder (the build's, or one laid out by `cmake --install --prefix`):
// everything lies beside it. Otherwise the program is installed: its read-only resources lie in
// <prefix>/share/zeltar-logger/, found from the executable's folder, and each user keeps
// settings and records in the user's own configuration and data folders (QStandardPaths, so
// XDG_CONFIG_HOME and XDG_DATA_HOME apply, with their defaults under the home folder).
// Tests make one from a temporary folder. Every folder path ends with '/', so a file name can
// be appended directly.

#include <QString>

struct TAppPaths {
    QString AppDir; // the executable's folder
    QString ResourcesDir;
    QString SettingsDir;
    QString LogDir;
    QString ArchiveDir;
    bool Portable = true;

    // Every folder beside appDir.
    static TAppPaths FromAppDir(const QString &appDir);
    // Portable or installed, for the program whose executable lies in executableDir.
    static TAppPaths ForExecutableIn(const QString &executableDir);
    // The read-only resources alone, for the commands that keep no settings or records.
    static QString ResourcesDirFor(const QString &executableDir);
};

// An installed program makes the user's settings, Log and Log/Archive folders at its first
// start; a portable folder brings its own and nothing is made. A folder that cannot be made or
// written is told in one error box naming it and the system's reason, and false is returned:
// the caller ends the program.
bool MakeUserFolders(const TAppPaths &paths);
