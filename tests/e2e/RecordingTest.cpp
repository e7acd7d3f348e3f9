// Listening and recording against the simulated meter: Stop closes the port and Play reopens
// it; a complete record, which Play does not end without asking.

#include "tests/e2e/MeterSession.h"

#include "storage/LogFile.h"
#include "windows/ChoiceGroup.h"
#include "windows/StatisticsPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include <algorithm>

using RecordingTest = ConnectedMeterSession;

TEST_F(RecordingTest, StopClosesThePortAndPlayReopensItForAFreshRun)
{
    MeasureSeries(1, 2.0);
    Form1->Bar->StopB->click();
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    Form1->Bar->PlayB->click();
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    MeasureSeries(1, 0.5);
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 1u);
    EXPECT_EQ(Form1->Charts->Statistics->LabelPeak->text(), "0.5000"); // not the first run's 2.0
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(RecordingTest, TwentySevenSamplesMakeACompleteRecord)
{
    // The unit and the correction chosen before recording go into the samples and the .meta.
    Form1->SettingsPanel->IrrUnitGB->SetItemIndex(0);
    Form1->SettingsPanel->IrrUnitGBClick();
    Form1->SettingsPanel->CorrectionCB->setCurrentText("6");
    Form1->SettingsPanel->correctionCBChange();
    Record();
    MeasureSeries(27);
    // Play asks before it ends a recording; Cancel keeps it going.
    Services.Answer(TMsgAnswer::Cancel);
    Form1->Bar->PlayB->click();
    EXPECT_EQ(Services.Texts(), QStringList{"Are you sure you want to stop recording?"});
    EXPECT_TRUE(Form1->Bar->RecB->isChecked() && !Form1->SettingsPanel->InputSection->isEnabled());
    Form1->Bar->StopB->click();
    const std::vector<TSampleRecord> records = LogRecords(Log());
    std::vector<float> corrected = SentValues(27);
    std::ranges::for_each(corrected, [](float &value) { value *= 2; }); // +6 dB on V/m
    EXPECT_EQ(StoredValues(records), corrected);
    EXPECT_EQ(records.back().Frequency, 2700);
    EXPECT_EQ(RecordMeta(Log()).Correction, 6);
    // Stop completes the record: its histogram counts every sample.
    EXPECT_EQ(QString::fromLatin1(ReadWholeFile(CompanionName(Log(), ".histo"))).split("\r\n").value(3), "27");
}
