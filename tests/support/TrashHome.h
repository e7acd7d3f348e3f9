#pragma once
// HOME and XDG_DATA_HOME point at a temporary folder for the object's lifetime, so the tests'
// trash is their own. Its folder does not exist yet, as on a fresh account.

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class TTrashHome {
public:
    TTrashHome();
    ~TTrashHome();
    TTrashHome(const TTrashHome &) = delete;
    TTrashHome &operator=(const TTrashHome &) = delete;

    QStringList Trashed() const;
    // Makes every move to the trash fail ("Not a directory"): a file takes the name of the
    // trash's folder for files.
    bool Block() const;

private:
    const QByteArray SavedHome;
    const QByteArray SavedDataHome;
    QTemporaryDir Home;
};

// The files of a folder, hidden ones too, by name.
QStringList FilesIn(const QString &folder);
