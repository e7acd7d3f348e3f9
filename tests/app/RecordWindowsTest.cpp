// The record windows as the main window reaches them: the menu and the status line open the
// file manager, its choices reach the viewer and the density analyser, and a new recording
// shows up in its list.

#include "tests/app/AppTestSupport.h"

#include "windows/ChoiceGroup.h"
#include "app/RecordWindows.h"
#include "model/GlobalState.h"
#include "tests/support/RecordFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace {

class RecordWindowsTest : public MainWindowTest {
protected:
    RecordWindowsTest() : Windows(std::make_unique<TRecordWindows>(*Form, App.Paths())) {}

    void MakeLog(const QString &name, bool withHisto)
    {
        WriteRecord(App.Paths().LogDir, name, {Sample(0.5f), Sample(0.5f)},
                    MakeMeta(UnitMWm2, 1, QDateTime(QDate(2025, 1, 7), QTime(12, 0))), withHisto);
    }

    std::unique_ptr<TRecordWindows> Windows;
};

} // namespace

TEST_F(RecordWindowsTest, OpenRecordAndTheStatusLineOpenTheFileManagerForOneRecord)
{
    MakeLog("2025 01 07 - 09 05 03", true);
    MenuItem("&Open record")->trigger();
    EXPECT_TRUE(Windows->Form7.isVisible());
    EXPECT_EQ(Windows->Form7.FileManagerMode, 0);

    Windows->Form7.hide();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(Form->PanelStatus, &click);
    EXPECT_TRUE(Windows->Form7.isVisible());

    Windows->Form7.ImageOKbClick();
    EXPECT_FALSE(Windows->Form7.isVisible());
    EXPECT_TRUE(Windows->Form3.isVisible());
    EXPECT_TRUE(Windows->Form3.windowTitle().contains("2025 01 07 - 09 05 03.zlog"));
}

TEST_F(RecordWindowsTest, DensityComparesTheHighlightedRecordsThatHaveAHistogram)
{
    MakeLog("a", true);
    MakeLog("b", false);
    MakeLog("c", true);
    MenuItem("&Density")->trigger();
    ASSERT_TRUE(Windows->Form7.isVisible());
    EXPECT_EQ(Windows->Form7.FileManagerMode, 1);
    Windows->Form7.FileListBox1->selectAll();
    Windows->Form7.ImageOKbClick();
    EXPECT_EQ(Windows->Form4.DensityCount(), 2u);
    EXPECT_TRUE(Windows->Form4.isVisible());
    EXPECT_FALSE(Windows->Form7.isVisible());
}

TEST_F(RecordWindowsTest, TheDensityAnalyserItemTellsFirstThatNothingIsLoaded)
{
    MenuItem("&Density Analyser")->trigger();
    EXPECT_EQ(Services.Shown.size(), 1u);
    EXPECT_FALSE(Windows->Form4.isVisible());
}

TEST_F(RecordWindowsTest, ANewRecordingAppearsInTheFileManagerList)
{
    Windows->Form7.ShowFileManager(0);
    Record();
    EXPECT_EQ(Windows->Form7.FileListBox1->count(), 1);
    EXPECT_EQ(Windows->Form7.FileListBox1->item(0)->text(), "2026 12 06 - 08 00 00.zlog");
    EXPECT_EQ(Windows->CurrentLogFile(), App.Paths().LogDir + "2026 12 06 - 08 00 00.zlog");
}

TEST_F(RecordWindowsTest, TheWindowsFollowTheMainWindowsRiskChoices)
{
    Form->RiskPopulationRG->SetItemIndex(1);
    Form->RiskStateRG->SetItemIndex(1);
    EXPECT_EQ(Windows->RiskPopulationIndex(), 1);
    EXPECT_EQ(Windows->RiskStateIndex(), 1);
}
