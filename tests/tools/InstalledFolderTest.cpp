// The portable folder that `cmake --install` lays out holds everything the program needs,
// and the program starts from it.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(InstalledFolder, HoldsTheProgramsAndFoldersAndTheProgramStartsFromIt)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString folder = prefix.filePath("ZELTAR Logger");
    QProcess install;
    install.start("cmake", {"--install", ZELTAR_BUILD_DIR, "--prefix", folder});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

    for (const char *file : {"zeltar-logger", "zeltar-export", "zeltar-meter-sim", "install-menu-entry.sh",
                             "Resources/Risk Palette.bmp", "Resources/Zeltar.ico", "Resources/Speaker.bmp",
                             "Resources/ZELTAR Logger User Manual.pdf", "Resources/Risk ITA.pdf"})
        EXPECT_TRUE(QFileInfo(folder + "/" + file).isFile()) << file;
    for (const char *empty : {"Settings", "Log", "Log/Archive"})
        EXPECT_TRUE(QFileInfo(folder + "/" + empty).isDir()) << empty;

    // Started from the folder, the program runs until it is told to end, then ends as when its
    // window is closed: the settings are written on the way out.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(folder + "/zeltar-logger");
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(1500)) << program.readAllStandardError().toStdString();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QFileInfo(folder + "/Settings/LastSettings.ls").isFile());
}

} // namespace
