// The program's two start-up windows against a simulated meter on a pseudo-terminal: the
// connection form finds it in a device folder of its own, the lines travel the real serial
// path, and the main window shows them.

#include "tests/e2e/MeterSession.h"

#include "app/Version.h"
#include "model/GlobalState.h"
#include "tools/meter-sim/MeterLines.h"

#include <QLabel>
#include <QToolButton>

namespace {

const QString StrayLineWarning = QStringLiteral(
    "Please connect your ZELTAR device to the PC via USB port and run this application again. If you have already "
    "connected the device, just start the application again. If this message appears again, re-connect the device.");
const QString DbmWarning = QStringLiteral(
    "Logging is not supported in dBm unit. Please change unit by clicking on the \"UNIT\" button of ZELTAR device");

class LiveListeningTest : public MeterSession {
protected:
    void Measure(double value, int frequency = 0, bool decimalComma = false)
    {
        Send({MeasurementLine(value, frequency, decimalComma)});
    }

    std::uint64_t Samples() const { return Form1->Statistics.SampleCount(); }
};

} // namespace

TEST_F(LiveListeningTest, StartsListeningByItselfAndShowsEveryReading)
{
    PlugIn();
    Start();
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PlayB->isChecked());
    EXPECT_EQ(Form1->windowTitle(), VersionCaption);

    Measure(0.5, 2450);
    EXPECT_EQ(Samples(), 1u);
    EXPECT_EQ(Form1->LabelPeak->text(), "0.5000");
    EXPECT_EQ(Form1->LabelMaxValue->text(), "0.5000");
    EXPECT_EQ(Form1->LabelPeakFreq->text(), "Peak Frequency: 2450");
    EXPECT_TRUE(Form1->LabelSample->text().endsWith("; Samples: 1"));

    Measure(2.0);
    EXPECT_EQ(Form1->LabelPeak->text(), "2.0000");
    EXPECT_EQ(Form1->LabelMaxValue->text(), "2.0000");
    EXPECT_TRUE(Form1->LabelSample->text().endsWith("; Samples: 2"));
    EXPECT_EQ(Form1->LiveHistogram.Counts[29], 1u);
    EXPECT_EQ(Form1->LiveHistogram.Counts[36], 1u);
    EXPECT_FALSE(SampleInProgress);
}

TEST_F(LiveListeningTest, PointAndCommaReadingsAgreeAndGarbledOnesAreDropped)
{
    PlugIn();
    Start();
    Measure(1.2345, 0, false);
    EXPECT_EQ(Form1->LabelPeak->text(), "1.2345");
    Measure(1.2345, 0, true);
    EXPECT_EQ(Form1->LabelPeak->text(), "1.2345");
    Send({"  1.2x45 2450\r\n"});
    EXPECT_EQ(Samples(), 2u);
    EXPECT_FALSE(SampleInProgress);
    Measure(3.0);
    EXPECT_EQ(Samples(), 3u);
}

TEST_F(LiveListeningTest, DbmWarningComesOncePerRunOfDbmLines)
{
    PlugIn();
    Start();
    Send({DbmLine(-23.5), DbmLine(-20.0)});
    EXPECT_EQ(Boxes.Texts(), QStringList{DbmWarning});
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::Warning);
    Measure(1.0);
    Send({DbmLine(-23.5)});
    EXPECT_EQ(Boxes.Texts(), (QStringList{DbmWarning, DbmWarning}));
    EXPECT_EQ(Samples(), 1u);
}

TEST_F(LiveListeningTest, OneStrayLineIsToleratedAtOneSecondAndTheSecondEndsTheProgram)
{
    PlugIn();
    Start();
    ChooseInterval(1);
    Send({"ZELTAR v2\r\n"});
    EXPECT_TRUE(Boxes.Shown.empty());
    EXPECT_TRUE(ExitCodes.empty());
    Measure(1.0);
    Send({"ZELTAR v2\r\n"});
    EXPECT_EQ(Boxes.Texts(), QStringList{StrayLineWarning});
    ASSERT_EQ(ExitCodes.size(), 1u);
    EXPECT_NE(ExitCodes[0], 0);
    // The settings are saved before the end.
    EXPECT_TRUE(ReadWholeFile(App.Paths().SettingsDir + "LastSettings.ls").startsWith("False\r\nmW/m\xB2\r\n1\r\n"));
}

TEST_F(LiveListeningTest, AtThirtySecondsTheFirstStrayLineEndsTheProgram)
{
    PlugIn();
    Start();
    ChooseInterval(3);
    Send({"?\r\n"});
    EXPECT_EQ(Boxes.Texts(), QStringList{StrayLineWarning});
    EXPECT_EQ(ExitCodes.size(), 1u);
}

TEST_F(LiveListeningTest, OnHoldEveryLineIsIgnored)
{
    PlugIn();
    Start();
    Form1->PauseB->click();
    Send({MeasurementLine(1.0, 900, false), DbmLine(-23.5), "stray\r\n", "stray\r\n"});
    EXPECT_EQ(Samples(), 0u);
    EXPECT_TRUE(Boxes.Shown.empty());
    EXPECT_TRUE(ExitCodes.empty());
    EXPECT_EQ(Form1->PanelStatus->text(), "   On Hold");

    Form1->PauseB->click();
    Measure(1.0);
    EXPECT_EQ(Samples(), 1u);
    EXPECT_TRUE(Form1->PanelStatus->text().startsWith("   Playing since "));
}

TEST_F(LiveListeningTest, StopClosesThePortAndPlayReopensIt)
{
    PlugIn();
    Start();
    Measure(1.0);
    Form1->StopB->click();
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    EXPECT_EQ(RecordingState, Stopped);

    Form1->PlayB->click();
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_EQ(RecordingState, Listening);
    Measure(2.0);
    EXPECT_EQ(Samples(), 1u);
    EXPECT_TRUE(Boxes.Shown.empty());
}

TEST_F(LiveListeningTest, WithoutAPortItWaitsAndTheNextTickConnects)
{
    Start();
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    EXPECT_TRUE(Form2->Timer1.isActive());
    EXPECT_TRUE(Form1->PanelStatus->text().startsWith("  Connect a ZELTAR device or open a record"));

    Form2->Timer1Timer();
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    PlugIn();
    Form2->Timer1Timer();
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_FALSE(Form2->Timer1.isActive());
    EXPECT_TRUE(Form1->PlayB->isChecked());
    EXPECT_EQ(RecordingState, Listening);
    Measure(1.0);
    EXPECT_EQ(Samples(), 1u);
}
