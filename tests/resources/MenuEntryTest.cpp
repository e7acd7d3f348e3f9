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
    // A portable folder under the home folder holding the script and a program.
    QString MakePortableFolder(const QString &name) const
    {
        const QString folder = Home.filePath(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(QFile::copy(QStringLiteral(ZELTAR_MENU_SCRIPT), folder + "/install-menu-entry.sh"));
        QFile program(folder + "/zeltar-logger");
        EXPECT_TRUE(program.open(QIODevice::WriteOnly));
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return folder;
    }

    TProgramRun Run(const QString &folder) const
    {
        TProgramOptions options;
        options.Environment.insert("HOME", Home.path());
        options.Environment.insert("XDG_DATA_HOME", Home.filePath("data"));
        return RunProgram("sh", {folder + "/install-menu-entry.sh"}, options);
    }

    QTemporaryDir Home;
    const QString MenuEntryPath = Home.filePath("data/applications/zeltar-logger.desktop");
};

QStringList Lines(const QString &path)
{
    return QString::fromUtf8(ReadWholeFile(path)).split('\n', Qt::SkipEmptyParts);
}

TEST_F(MenuEntry, StartsTheProgramFromTheScriptsFolderEvenWithBlanksAndPercentSigns)
{
    const QString folder = MakePortableFolder("ZELTAR Logger 100%");
    const TProgramRun run = Run(folder);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    const QString real = QFileInfo(folder).canonicalFilePath();
    const QStringList entry = Lines(MenuEntryPath);
    ASSERT_EQ(entry.value(0), "[Desktop Entry]");
    // Exec quotes the path and writes a literal % twice; Path and Icon are plain strings.
    EXPECT_TRUE(entry.contains("Exec=\"" + QString(real).replace("%", "%%") + "/zeltar-logger\""));
    EXPECT_TRUE(entry.contains("Path=" + real));
    EXPECT_TRUE(entry.contains("Icon=" + real + "/Resources/Zeltar.ico"));
    EXPECT_EQ(Lines(folder + "/zeltar-logger.desktop"), entry);
}

// A quote in the folder's name could not be written into Exec the same way for every menu.
TEST_F(MenuEntry, RefusesAFolderWhoseNameTheEntryCannotHold)
{
    const TProgramRun run = Run(MakePortableFolder("say \"cheese\""));
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains("rename the folder"));
    EXPECT_FALSE(QFileInfo::exists(MenuEntryPath));
}

} // namespace
