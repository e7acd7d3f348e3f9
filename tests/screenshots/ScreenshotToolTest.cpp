// The window pictures the build puts into the manuals: four PNGs of the windows' sizes with
// something drawn on them, the main window once more in French for the README, and a failure
// when they cannot be made.

#include "tests/support/BuiltProgram.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

TEST(ScreenshotTool, WritesTheWindowsWithTheirContentAndTheMainWindowInFrench)
{
    QTemporaryDir output;
    const QDir folder(output.filePath("pictures")); // made by the tool
    const TProgramRun run = RunBuiltProgram("zeltar-screenshots", {folder.path(), ZELTAR_SAMPLES_DIR});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    // Every box the windows open is reported; none belongs in a picture of normal use.
    EXPECT_FALSE(run.Errors.contains("message box")) << run.Errors.toStdString();
    const QStringList files = folder.entryList(QDir::Files);
    EXPECT_EQ(files, (QStringList{"analyser.png", "file-manager.png", "main-window-fr.png", "main-window.png",
                                  "viewer.png"}));
    for (const QString &file : files) {
        const QImage picture(folder.filePath(file));
        EXPECT_TRUE(picture.width() >= 900 && picture.height() >= (file == "analyser.png" ? 400 : 600))
            << file.toStdString();
        // Text, charts and the risk colours, not an empty frame.
        std::set<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y));
        EXPECT_GT(colours.size(), 200u) << file.toStdString();
    }
    // The same readings in the same window: only the words differ, and the menu bar shows them.
    const QImage english(folder.filePath("main-window.png"));
    const QImage french(folder.filePath("main-window-fr.png"));
    ASSERT_EQ(french.size(), english.size());
    const QRect menuBar(0, 0, english.width(), 20);
    EXPECT_NE(french.copy(menuBar), english.copy(menuBar));
}

TEST(ScreenshotTool, FailsWithoutARecordToShow)
{
    QTemporaryDir output;
    ASSERT_TRUE(QDir().mkpath(output.filePath("no-samples")));
    const TProgramRun run =
        RunBuiltProgram("zeltar-screenshots", {output.filePath("pictures"), output.filePath("no-samples")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains("no record in")) << run.Errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(output.filePath("pictures/main-window.png")));
}
