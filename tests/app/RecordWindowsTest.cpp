// The record windows as the main window reaches them: the menu and the status line open the
// file manager, its choices reach the viewer and the density analyser, and a new recording
// shows up in its list.

#include "tests/app/AppTestSupport.h"

#include "app/RecordWindows.h"
#include "tests/support/RecordFiles.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

class RecordWindowsTest : public MainWindowTest {
protected:
    void MakeLog(const QString &name, bool withHisto)
    {
        WriteRecord(App.Paths().LogDir, name, {Sample(0.5f), Sample(0.5f)},
                    MakeMeta(UnitMWm2, 1, QDateTime(QDate(2025, 1, 7), QTime(12, 0))), withHisto);
    }

    TRecordWindows Windows{*Form, App.Paths()};
};

} // namespace

TEST_F(RecordWindowsTest, TheFileManagerOpensTheViewerComparesTheRecordsWithAHistogramAndListsANewRecording)
{
    MakeLog("2025 01 07 - 09 05 03", true);
    QTest::mouseClick(Form->StatusLine, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Windows.FileManager.Mode(), TFileManagerMode::OpenRecord);
    Windows.FileManager.ImageOKbClick();
    EXPECT_TRUE(Windows.RecordViewer.windowTitle().contains("2025 01 07 - 09 05 03.zlog"));

    MakeLog("b", false);
    MakeLog("c", true);
    MenuItem("&Density")->trigger();
    EXPECT_EQ(Windows.FileManager.Mode(), TFileManagerMode::ShowDensities);
    Windows.FileManager.FileListBox1->selectAll();
    Windows.FileManager.ImageOKbClick();
    EXPECT_EQ(Windows.DensityAnalyser.DensityCount(), 2u);
    EXPECT_TRUE(Windows.DensityAnalyser.isVisible());

    Record(); // a new recording shows up in the list
    EXPECT_EQ(Windows.FileManager.FileListBox1->findItems("2026 12 06 - 08 00 00.zlog", Qt::MatchExactly).size(), 1);
}
