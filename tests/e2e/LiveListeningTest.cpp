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
    LiveListeningTest()
    {
        PlugIn();
        Start();
    }
    std::uint64_t Samples() const { return Form1->Session.Statistics().SampleCount(); }
};

} // namespace

TEST_F(LiveListeningTest, StartsListeningByItselfAndEveryReadingReachesTheWindow)
{
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PlayB->isChecked());
    EXPECT_EQ(Form1->windowTitle(), VersionCaption);

    // What the window makes of a reading is tested in tests/app.
    Measure(0.5, 2450);
    Measure(2.0);
    EXPECT_EQ(Samples(), 2u);
    EXPECT_EQ(Form1->PanelBottom->LabelPeak->text(), "2.0000");
    EXPECT_EQ(Form1->LabelPeakFreq->text(), "Peak Frequency: 2450");
    EXPECT_FALSE(SampleInProgress);
}

TEST_F(LiveListeningTest, StopClosesThePortAndPlayReopensIt)
{
    Measure(1.0);
    Form1->StopB->click();
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    EXPECT_EQ(RecordingState, Stopped);

    Form1->PlayB->click();
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_EQ(RecordingState, Listening);
    Measure(2.0);
    EXPECT_EQ(Samples(), 1u);
    EXPECT_TRUE(Services.Shown.empty());
}
