// The portable folder that `cmake --install` lays out holds everything the program needs,
// and the program starts from it.

#include "tests/support/BuiltProgram.h"

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
    QStringList files{"zeltar-logger", "zeltar-export", "zeltar-meter-sim", "install-menu-entry.sh",
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
