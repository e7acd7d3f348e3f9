// The portable folder that `cmake --install` lays out holds everything the program needs,
// and the program starts from it; a copy laid out as the package installs it uses the user's
// folders instead.

#include "tests/support/BuiltProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(InstalledFolder, HoldsTheProgramsAndFoldersAndTheProgramStartsFromIt)
{
    QTemporaryDir prefix;
    const QString folder = prefix.filePath("ZELTAR Logger");
    const TProgramRun install =
        RunProgram("cmake", {"--install", ZELTAR_BUILD_DIR, "--prefix", folder}, {.TimeoutMs = 120000});
    ASSERT_EQ(install.ExitCode, 0) << install.Errors.toStdString();
    QStringList files{"zeltar-logger", "zeltar-export", "zeltar-meter-sim", "zeltar-record", "install-menu-entry.sh",
                      "Resources/ZELTAR Logger User Manual.pdf", "Resources/Risk ITA.pdf"};
    for (const QString &resource : QString(ZELTAR_RESOURCE_FILES).split('|'))
        files.append("Resources/" + resource);
    for (const QString &file : files)
        EXPECT_TRUE(QFileInfo(folder + "/" + file).isFile()) << file.toStdString();
    EXPECT_TRUE(QFileInfo(folder + "/Settings").isDir() && QFileInfo(folder + "/Log/Archive").isDir());

    // It runs until told to end, then ends as when its window is closed, writing the settings.
    TProgramOptions offscreen;
    offscreen.Environment.insert("QT_QPA_PLATFORM", "offscreen");
    TStartedProgram program(folder + "/zeltar-logger", {}, offscreen);
    EXPECT_FALSE(program.EndsWithin(1500)) << program.Result().Errors.toStdString();
    EXPECT_EQ(program.Terminate().ExitCode, 0);
    EXPECT_TRUE(QFileInfo(folder + "/Settings/LastSettings.ls").isFile());
}

// Laid out as the package installs it, the program keeps the user's settings and records under
// the home folder and writes nothing beside itself.
TEST(InstalledFolder, AnInstalledCopyKeepsEachUsersFilesInTheirHome)
{
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin"), share = root.filePath("usr/share/zeltar-logger");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(share) && QDir().mkpath(root.filePath("home")));
    ASSERT_TRUE(QFile::copy(BuiltProgramPath("zeltar-logger"), bin + "/zeltar-logger"));
    const QDir resources(BuiltProgramPath("Resources"));
    for (const QString &file : resources.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(resources.filePath(file), share + "/" + file)) << file.toStdString();

    TProgramOptions options;
    options.Environment.insert("QT_QPA_PLATFORM", "offscreen");
    options.Environment.insert("HOME", root.filePath("home"));
    options.Environment.remove("XDG_CONFIG_HOME");
    options.Environment.remove("XDG_DATA_HOME");
    TStartedProgram program(bin + "/zeltar-logger", {}, options);
    EXPECT_FALSE(program.EndsWithin(1500)) << program.Result().Errors.toStdString();
    EXPECT_TRUE(QFileInfo(root.filePath("home/.local/share/zeltar-logger/Log/Archive")).isDir());
    EXPECT_EQ(program.Terminate().ExitCode, 0);
    EXPECT_TRUE(QFileInfo(root.filePath("home/.config/zeltar-logger/LastSettings.ls")).isFile());
    EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"zeltar-logger"});
}
