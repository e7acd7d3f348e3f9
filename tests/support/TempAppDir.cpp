#include "TempAppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TempAppDir::TempAppDir()
{
    EXPECT_TRUE(Dir.isValid());
    AppPaths = TAppPaths::FromAppDir(Dir.path());
    for (const QString &dir : {AppPaths.ResourcesDir, AppPaths.SettingsDir, AppPaths.LogDir, AppPaths.ArchiveDir})
        EXPECT_TRUE(QDir().mkpath(dir));
}

QString TempAppDir::WriteFile(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path = AppPaths.AppDir + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
