#include "tests/support/TrashHome.h"

#include <QDir>
#include <QFile>

TTrashHome::TTrashHome() : SavedHome(qgetenv("HOME")), SavedDataHome(qgetenv("XDG_DATA_HOME"))
{
    qputenv("HOME", Home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (Home.path() + "/data").toLocal8Bit());
}

TTrashHome::~TTrashHome()
{
    qputenv("HOME", SavedHome);
    qputenv("XDG_DATA_HOME", SavedDataHome);
}

QStringList TTrashHome::Trashed() const
{
    return FilesIn(Home.path() + "/data/Trash/files");
}

bool TTrashHome::Block() const
{
    const QString files = Home.path() + "/data/Trash/files";
    QDir(files).removeRecursively();
    QDir().mkpath(Home.path() + "/data/Trash");
    QFile blocker(files);
    return blocker.open(QIODevice::WriteOnly);
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
