// install-menu-entry.sh: the desktop entry beside the program and in the user's menu, for a
// ZELTAR Logger folder wherever it lies.

#include "tests/support/BuiltProgram.h"
#include "tests/support/TempAppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MenuEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Home.isValid());
        Folder = Home.filePath("ZELTAR Logger 100%");
        MakePortableFolder(Folder);
    }

    void MakePortableFolder(const QString &folder) const
    {
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZELTAR_MENU_SCRIPT), folder + "/install-menu-entry.sh"));
        QFile program(folder + "/zeltar-logger");
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    TProgramRun Run(const QString &folder, const QStringList &arguments = {}) const
    {
        TProgramOptions options;
        options.Environment.insert("HOME", Home.path());
        options.Environment.insert("XDG_DATA_HOME", MenuData());
        return RunProgram("sh", QStringList{folder + "/install-menu-entry.sh"} + arguments, options);
    }

    QString MenuData() const { return Home.filePath("data"); }
    QString MenuEntryPath() const { return MenuData() + "/applications/zeltar-logger.desktop"; }

    QTemporaryDir Home;
    QString Folder;
};

QStringList Lines(const QString &path)
{
    return QString::fromUtf8(ReadWholeFile(path)).split('\n', Qt::SkipEmptyParts);
}

} // namespace

TEST_F(MenuEntry, StartsTheProgramFromTheScriptsFolderEvenWithBlanksAndPercentSigns)
{
    const TProgramRun run = Run(Folder);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    const QString real = QFileInfo(Folder).canonicalFilePath();
    const QStringList entry = Lines(MenuEntryPath());
    ASSERT_EQ(entry.value(0), "[Desktop Entry]");
    // Exec quotes the path and writes a literal % twice; Path and Icon are plain strings.
    EXPECT_TRUE(entry.contains("Exec=\"" + QString(real).replace("%", "%%") + "/zeltar-logger\""));
    EXPECT_TRUE(entry.contains("Path=" + real));
    EXPECT_TRUE(entry.contains("Icon=" + real + "/Resources/Zeltar.ico"));
    EXPECT_EQ(Lines(Folder + "/zeltar-logger.desktop"), entry);
    EXPECT_TRUE(QDir(MenuData() + "/applications").entryList({"*.partial.*"}, QDir::Files).isEmpty());
}

TEST_F(MenuEntry, FollowsAMovedFolderAndCanBeRemovedOrLeftOutOfTheMenu)
{
    ASSERT_EQ(Run(Folder, {"--folder-only"}).ExitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(Folder + "/zeltar-logger.desktop"));
    EXPECT_FALSE(QFileInfo::exists(MenuEntryPath()));

    ASSERT_EQ(Run(Folder).ExitCode, 0);
    const QString moved = Home.filePath("elsewhere");
    ASSERT_TRUE(QDir().rename(Folder, moved));
    ASSERT_EQ(Run(moved).ExitCode, 0);
    EXPECT_TRUE(Lines(MenuEntryPath()).contains("Path=" + QFileInfo(moved).canonicalFilePath()));

    ASSERT_EQ(Run(moved, {"--remove"}).ExitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(MenuEntryPath()));
}

TEST_F(MenuEntry, RefusesWhatItCannotWriteRight)
{
    const QString quoted = Home.filePath("say \"cheese\"");
    MakePortableFolder(quoted);
    TProgramRun run = Run(quoted);
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains("rename the folder"));

    ASSERT_TRUE(QFile::remove(Folder + "/zeltar-logger"));
    run = Run(Folder);
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains("no program zeltar-logger"));

    EXPECT_NE(Run(Folder, {"--bogus"}).ExitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(MenuEntryPath()));
}

TEST(BuiltMenuEntry, PointsAtTheBuiltProgram)
{
    const QString appDir = QFileInfo(BuiltProgramPath("")).canonicalFilePath();
    const QStringList entry = Lines(appDir + "/zeltar-logger.desktop");
    EXPECT_TRUE(entry.contains("Exec=\"" + appDir + "/zeltar-logger\""));
    EXPECT_TRUE(QFileInfo(appDir + "/install-menu-entry.sh").isFile());
}
