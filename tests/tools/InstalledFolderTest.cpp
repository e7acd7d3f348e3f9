// The portable folder that `cmake --install` lays out holds everything the program needs,
// and the program starts from it.

#include "tests/support/BuiltProgram.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(InstalledFolder, HoldsTheProgramsAndFoldersAndTheProgramStartsFromIt)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
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
    for (const char *empty : {"Settings", "Log", "Log/Archive"})
        EXPECT_TRUE(QFileInfo(folder + "/" + empty).isDir()) << empty;

    // Started from the folder, the program runs until it is told to end, then ends as when its
    // window is closed: the settings are written on the way out.
    TProgramOptions offscreen;
    offscreen.Environment.insert("QT_QPA_PLATFORM", "offscreen");
    TStartedProgram program(folder + "/zeltar-logger", {}, offscreen);
    EXPECT_FALSE(program.EndsWithin(1500)) << program.Result().Errors.toStdString();
    EXPECT_EQ(program.Terminate().ExitCode, 0);
    EXPECT_TRUE(QFileInfo(folder + "/Settings/LastSettings.ls").isFile());
}

} // namespace
