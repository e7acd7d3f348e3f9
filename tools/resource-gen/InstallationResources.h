#pragma once
// The pictures, icons and sounds that come with an installation, in the "Resources" folder beside
// the program.

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

struct TResourceFile {
    QString Name;
    QByteArray Bytes;
};

// Every file, drawn and encoded; throws std::runtime_error when an encoder fails.
std::vector<TResourceFile> MakeInstallationResources();

// The program's icon for the desktop's menus and icon themes, one PNG "<size>x<size>.png" for
// each size in pixels.
std::vector<TResourceFile> MakeDesktopIcons(const QList<int> &sizes);

// Writes each file into folder (created if missing); a file is replaced only once its new
// content is complete. Throws std::runtime_error naming the file and the system's reason.
void WriteResourceFiles(const QString &folder, const std::vector<TResourceFile> &files);
