#pragma once
// A temporary application folder with Resources/, Settings/, Log/ and Log/Archive/,
// removed with everything in it when the object goes.

#include "model/AppPaths.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempAppDir {
public:
    TempAppDir();
    const TAppPaths &Paths() const { return AppPaths; }
    // Writes bytes to a file below the application folder and returns its full path.
    QString WriteFile(const QString &relativePath, const QByteArray &bytes) const;

private:
    QTemporaryDir Dir;
    TAppPaths AppPaths;
};

QByteArray ReadWholeFile(const QString &path);
