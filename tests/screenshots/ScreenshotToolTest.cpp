// The window pictures the build puts into the manuals: four PNGs of the windows' sizes with
// something drawn on them, and a failure when they cannot be made.

#include "tests/support/BuiltProgram.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

TProgramRun RunTool(const QStringList &arguments)
{
    return RunBuiltProgram("zeltar-screenshots", arguments);
}

std::size_t DistinctColours(const QImage &image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

TEST(ScreenshotTool, WritesTheFourWindowsWithTheirContent)
{
    QTemporaryDir output;
    const QString folder = output.filePath("pictures"); // made by the tool
    const TProgramRun run = RunTool({folder, ZELTAR_SAMPLES_DIR});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    // Every box the windows open is reported; none belongs in a picture of normal use.
    EXPECT_FALSE(run.Errors.contains("message box")) << run.Errors.toStdString();

    const struct {
        const char *File;
        QSize Least;
    } windows[] = {
        {"main-window.png", {900, 600}},
        {"viewer.png", {900, 600}},
        {"file-manager.png", {900, 600}},
        {"analyser.png", {900, 400}},
    };
    for (const auto &window : windows) {
        SCOPED_TRACE(window.File);
        const QImage picture(QDir(folder).filePath(window.File));
        ASSERT_FALSE(picture.isNull());
        EXPECT_GE(picture.width(), window.Least.width());
        EXPECT_GE(picture.height(), window.Least.height());
        // Text, charts and the risk colours, not an empty frame.
        EXPECT_GT(DistinctColours(picture), 200u);
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 4);
}

TEST(ScreenshotTool, FailsWithoutARecordToShow)
{
    QTemporaryDir output;
    const QString noSamples = output.filePath("no-samples");
    ASSERT_TRUE(QDir().mkpath(noSamples));
    const TProgramRun run = RunTool({output.filePath("pictures"), noSamples});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains("no record in")) << run.Errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(output.filePath("pictures/main-window.png")));

    EXPECT_EQ(RunTool({output.filePath("pictures")}).ExitCode, 2);
}

} // namespace
