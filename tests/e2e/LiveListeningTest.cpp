// The program's two start-up windows against a simulated meter on a pseudo-terminal: the
// connection form finds it in a device folder of its own, the lines travel the real serial
// path, and the main window shows them.

#include "tests/e2e/MeterSession.h"

#include "app/Version.h"
#include "model/GlobalState.h"
#include "windows/StatisticsPanel.h"

#include <QLabel>
#include <QToolButton>

namespace {

class LiveListeningTest : public MeterSession {
protected:
    std::uint64_t Samples() const { return Form1->Session.Statistics().SampleCount(); }
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
    EXPECT_EQ(Form1->PanelBottom->LabelPeak->text(), "0.5000");
    EXPECT_EQ(Form1->PanelBottom->LabelMaxValue->text(), "0.5000");
    EXPECT_EQ(Form1->LabelPeakFreq->text(), "Peak Frequency: 2450");
    EXPECT_TRUE(Form1->LabelSample->text().endsWith("; Samples: 1"));

    Measure(2.0);
    EXPECT_EQ(Form1->PanelBottom->LabelPeak->text(), "2.0000");
    EXPECT_EQ(Form1->PanelBottom->LabelMaxValue->text(), "2.0000");
    EXPECT_TRUE(Form1->LabelSample->text().endsWith("; Samples: 2"));
    EXPECT_EQ(Form1->Session.LiveHistogram().Counts[29], 1u);
    EXPECT_EQ(Form1->Session.LiveHistogram().Counts[36], 1u);
    EXPECT_FALSE(SampleInProgress);
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
