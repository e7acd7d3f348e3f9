// The program's folders: a portable folder keeps everything beside the executable; an installed
// copy reads its resources from its prefix and gives each user their own settings and records,
// made at the first start; a folder that cannot be made or written ends the start with one box.

#include "model/AppPaths.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

#include <unistd.h>

namespace {

// HOME, XDG_CONFIG_HOME and XDG_DATA_HOME point into a temporary folder for the test's lifetime;
// a program under prefix/bin/ is laid out beside them.
class AppPathsTest : public ::testing::Test {
protected:
    AppPathsTest()
    {
        for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            Saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("HOME", Root.filePath("home").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", Root.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", Root.filePath("data").toLocal8Bit());
        EXPECT_TRUE(QDir().mkpath(Bin) && QDir().mkpath(Root.filePath("home")));
    }
    ~AppPathsTest() override
    {
        for (const auto &[name, value, set] : Saved)
            set ? qputenv(name, value) : qunsetenv(name);
    }

    QString Folder(const QString &relative) const { return Root.filePath(relative) + '/'; }

    QTemporaryDir Root;
    const QString Bin = Root.filePath("prefix/bin");
    TFakeServices Services;

private:
    std::vector<std::tuple<const char *, QByteArray, bool>> Saved;
};

TEST_F(AppPathsTest, AWritableSettingsFolderBesideTheProgramKeepsEverythingThereAndMakesNothing)
{
    ASSERT_TRUE(QDir(Bin).mkdir("Settings"));
    const TAppPaths paths = TAppPaths::ForExecutableIn(Bin + "/../bin");
    EXPECT_TRUE(paths.Portable);
    const QString app = Folder("prefix/bin");
    EXPECT_EQ(std::tie(paths.AppDir, paths.ResourcesDir, paths.SettingsDir, paths.LogDir, paths.ArchiveDir),
              std::make_tuple(app, app + "Resources/", app + "Settings/", app + "Log/", app + "Log/Archive/"));
    // A portable folder's Log/ that has gone is the program's business, as it always was.
    EXPECT_TRUE(MakeUserFolders(paths));
    EXPECT_FALSE(QFileInfo::exists(paths.LogDir));
    EXPECT_FALSE(QFileInfo::exists(Root.filePath("config")) || QFileInfo::exists(Root.filePath("data")));
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(AppPathsTest, AnInstalledCopyReadsItsPrefixAndMakesTheUsersOwnFoldersOnce)
{
    // A file named Settings is no settings folder.
    QFile notAFolder(Bin + "/Settings");
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    const TAppPaths paths = TAppPaths::ForExecutableIn(Bin);
    EXPECT_FALSE(paths.Portable);
    EXPECT_EQ(std::tie(paths.AppDir, paths.ResourcesDir, paths.SettingsDir, paths.LogDir, paths.ArchiveDir),
              std::make_tuple(Folder("prefix/bin"), Folder("prefix/share/zeltar-logger"), Folder("config/zeltar-logger"),
                       Folder("data/zeltar-logger/Log"), Folder("data/zeltar-logger/Log/Archive")));
    for (int start = 0; start < 2; ++start)
        EXPECT_TRUE(MakeUserFolders(paths)) << "start " << start;
    EXPECT_TRUE(QFileInfo(paths.SettingsDir).isDir() && QFileInfo(paths.ArchiveDir).isDir());
    EXPECT_TRUE(Services.Shown.empty());
    EXPECT_EQ(TAppPaths::ResourcesDirFor(Bin), paths.ResourcesDir);

    // Without XDG folders of their own, the user's folders lie under the home folder.
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    const TAppPaths byHome = TAppPaths::ForExecutableIn(Bin);
    EXPECT_EQ(std::tie(byHome.SettingsDir, byHome.LogDir),
              std::make_tuple(Folder("home/.config/zeltar-logger"), Folder("home/.local/share/zeltar-logger/Log")));

    // A portable folder this user may not write still brings its own resources.
    ASSERT_TRUE(QDir(Bin).mkdir("Resources"));
    EXPECT_EQ(TAppPaths::ForExecutableIn(Bin).ResourcesDir, Folder("prefix/bin/Resources"));
    EXPECT_EQ(TAppPaths::ResourcesDirFor(Bin), Folder("prefix/bin/Resources"));
}

TEST_F(AppPathsTest, AFolderThatCannotBeMadeIsToldOnceWithTheSystemsReason)
{
    // The records' folder would have to lie inside a file.
    QFile blocker(Root.filePath("data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const TAppPaths paths = TAppPaths::ForExecutableIn(Bin);
    EXPECT_FALSE(MakeUserFolders(paths));
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    EXPECT_EQ(Services.Shown[0].Text, "The folder \"" + paths.LogDir + "\" cannot be created: Not a directory (20). "
                                      "ZELTAR Logger needs it and ends now.");
}

TEST_F(AppPathsTest, AFolderThatCannotBeWrittenIsToldOnceWithTheSystemsReason)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any folder";
    const TAppPaths paths = TAppPaths::ForExecutableIn(Bin);
    ASSERT_TRUE(QDir().mkpath(paths.SettingsDir));
    ASSERT_TRUE(QFile::setPermissions(paths.SettingsDir, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(MakeUserFolders(paths));
    QFile::setPermissions(paths.SettingsDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Services.Texts(), QStringList{"The folder \"" + paths.SettingsDir + "\" cannot be written: Permission "
                                            "denied (13). ZELTAR Logger needs it and ends now."});
    EXPECT_FALSE(QFileInfo::exists(paths.LogDir));
}

} // namespace
