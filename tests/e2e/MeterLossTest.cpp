// The meter unplugged during a run and plugged in again: nothing received is lost, and the
// run goes on in the same log.

#include "tests/e2e/MeterSession.h"

#include "model/GlobalState.h"
#include "windows/StatisticsPanel.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

using MeterLossTest = ConnectedMeterSession;

} // namespace

TEST_F(MeterLossTest, ARecordingKeepsEverySampleAndGoesOnInTheSameLog)
{
    Record();
    MeasureSeries(7);
    const QString log = Form1->Session.CurrentLogFile();
    Unplug();
    // Saved at once, not when the buffer would have been full.
    EXPECT_EQ(LogRecords(log).size(), 7u);
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_TRUE(Form1->PanelStatus->text().contains("disconnected"));

    Form2->ReconnectTimerTimer(); // still unplugged
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    PlugInAgain();
    Form2->ReconnectTimerTimer();
    ASSERT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_FALSE(Form2->ReconnectTimer.isActive());
    EXPECT_TRUE(Form1->PanelStatus->text().startsWith("   Recording since "));

    MeasureSeries(8, 5.0);
    Form1->StopB->click();
    std::vector<float> expected = SeriesValues(7);
    const std::vector<float> later = SeriesValues(8, 5.0);
    expected.insert(expected.end(), later.begin(), later.end());
    EXPECT_EQ(StoredValues(LogRecords(log)), expected);
    EXPECT_EQ(Logs().size(), 1);
    EXPECT_EQ(MetaDialogs, 1);
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(MeterLossTest, ListeningGoesOnAndTheLineCutByTheUnpluggingIsNotTakenForAStrayLine)
{
    ChooseInterval(3); // 30 sec: a stray line would end the program
    MeasureSeries(3);
    ASSERT_EQ(Meter->Write("  1.25"), 6);
    QTest::qWait(100); // the half line reaches the program
    Unplug();
    EXPECT_TRUE(Form2->ReconnectTimer.isActive());
    PlugInAgain();
    Form2->ReconnectTimerTimer();
    Measure(0.5);
    EXPECT_TRUE(Services.ExitCodes.empty());
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 4u);
    EXPECT_EQ(Form1->PanelBottom->LabelPeak->text(), "0.5000");

    Unplug();
    Form1->StopB->click();
    EXPECT_FALSE(Form2->ReconnectTimer.isActive());
    EXPECT_TRUE(Services.Shown.empty());
}
