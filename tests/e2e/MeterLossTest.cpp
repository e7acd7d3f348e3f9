// The meter unplugged during a recording and plugged in again: nothing received is lost, the
// line the unplugging cut is no stray line, and the recording goes on in the same log.

#include "tests/e2e/MeterSession.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

using MeterLossTest = ConnectedMeterSession;

TEST_F(MeterLossTest, ARecordingKeepsEverySampleAndGoesOnInTheSameLog)
{
    Form1->SettingsPanel->IntervalCB->setCurrentIndex(3); // 30 sec: a stray line would end the program
    Form1->SettingsPanel->IntervalCBChange();
    Record();
    MeasureSeries(7);
    ASSERT_EQ(Meter->Write("  1.25"), 6);
    QTest::qWait(100); // the half line reaches the program
    Unplug();
    EXPECT_EQ(LogRecords(Log()).size(), 7u);
    EXPECT_TRUE(Form1->StatusLine->text().contains("the recording waits"));

    Form2->ReconnectTimerTimer(); // still unplugged
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    PlugIn();
    Form2->ReconnectTimerTimer();
    ASSERT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_FALSE(Form2->ReconnectTimer.isActive());
    EXPECT_TRUE(Form1->StatusLine->text().startsWith("   Recording since "));

    MeasureSeries(8, 0.25 + 7 * 0.125);
    Unplug();
    Form1->Bar->StopB->click();
    EXPECT_FALSE(Form2->ReconnectTimer.isActive());
    EXPECT_EQ(StoredValues(LogRecords(Log())), SentValues(15));
    EXPECT_TRUE(Services.ExitCodes.empty());
    EXPECT_TRUE(Services.Shown.empty());
}
