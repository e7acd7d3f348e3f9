// The viewer and the file manager with real records, written as pictures for a person to look
// at when ZELTAR_SCREENSHOT_DIR names a folder.

#include "windows/Form3_ShowData.h"
#include "windows/Form7_FileManager.h"
#include "windows/FolderChainFilter.h"

#include "charts/RChart.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"
#include "tests/windows/RecordTestFiles.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// An evening near a transmitter: a slow swell with bursts, in V/m, a frequency on every
// seventh reading.
std::vector<TSampleRecord> Evening(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 0.08);
    const std::uint16_t bands[] = {900, 1800, 2450, 3500, 5200, 6100, 800, 2100};
    std::vector<TSampleRecord> samples;
    for (std::size_t i = 0; i < count; ++i) {
        const double swell = 0.45 + 0.3 * std::sin(double(i) / 400.0) + (i % 613 < 40 ? 0.9 : 0.0);
        const std::uint16_t frequency = i % 7 == 0 ? bands[(i / 7) % 8] : 0;
        samples.push_back(Sample(float(std::max(0.02, swell + noise(random))), frequency));
    }
    return samples;
}

void SavePicture(QWidget &window, const QString &name)
{
    QApplication::processEvents();
    const QImage picture = window.grab().toImage();
    ASSERT_EQ(picture.size(), window.size());
    const QString folder = qEnvironmentVariable("ZELTAR_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(QDir(folder).filePath(name)));
}

class RecordWindowPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(LoadRiskPalette(qEnvironmentVariable("ZELTAR_BUILD_APP_DIR") + "/Resources/"));
    }
    RecordWindowPictures()
    {
        // The colour bar is an installation picture; the viewer finds it beside the program.
        QFile::copy(qEnvironmentVariable("ZELTAR_BUILD_APP_DIR") + "/Resources/Risk Level.bmp",
                    App.Paths().ResourcesDir + "Risk Level.bmp");
        const QDateTime evening(QDate(2025, 1, 7), QTime(23, 20, 0));
        Logs << WriteRecord(App.Paths().LogDir, "2025 01 06 - 08 15 00", Evening(1200, 3),
                            MakeMeta(UnitVm, 10, evening.addDays(-1).addSecs(-15 * 3600 - 5 * 60), "M. Keller",
                                     "Office, 2nd floor", "Morning round", 0));
        Logs << WriteRecord(App.Paths().LogDir, "2025 01 07 - 23 20 00", Evening(4000, 7),
                            MakeMeta(UnitVm, 1, evening, "M. Keller", "Bedroom, north wall",
                                     "Router on, phone charging beside the bed", 3));
        Logs << WriteLog(App.Paths().LogDir, "Import1", Evening(300, 11));
    }

    TempAppDir App;
    TFakeServices Boxes;
    TFakeHost Host;
    QStringList Logs;
};

TEST_F(RecordWindowPictures, TheViewerShowsARecordAcrossMidnight)
{
    TForm3 viewer(Host, App.Paths());
    viewer.OpenRecord(Logs[1], false);
    EXPECT_EQ(viewer.TChart->ItemCount(), 4000u);
    EXPECT_GT(viewer.HChart->ItemCount(), 5u);
    SavePicture(viewer, "record-viewer.png");
}

TEST_F(RecordWindowPictures, TheFileManagerShowsTheNewestRecord)
{
    TForm7 manager(Host, App.Paths());
    manager.ShowFileManager(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&manager));
    QListWidget &list = *manager.FileListBox1;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    // The folder tree fills in the background; the picture waits for the Log folder's branch.
    const QModelIndex logFolder = manager.DirectoryChain->IndexOf(manager.ListedFolder());
    EXPECT_TRUE(QTest::qWaitFor([&] { return manager.DirectoryChain->rowCount(logFolder) > 0; }, 5000));
    EXPECT_GT(manager.HChart->ItemCount(), 5u);
    SavePicture(manager, "file-manager.png");
}

} // namespace
