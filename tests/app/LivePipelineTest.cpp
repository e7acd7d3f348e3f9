// The live pipeline as the window shows it: read-outs, charts, histogram and the run's reset.

#include "tests/app/AppTestSupport.h"

#include "windows/ChoiceGroup.h"
#include "charts/RChart.h"
#include "windows/StatisticsPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

// How the statistics are computed is SampleStatistics' to test; here the panel shows them,
// unfolded, as the readings come.
TEST_F(MainWindowTest, TheUnfoldedPanelShowsTheRunsStatistics)
{
    Listen();
    Feed(1.0f);
    Feed(4.0f);
    EXPECT_TRUE(Form->PanelBottom->LabelMeanValue->text().isEmpty()); // folded: unshown
    EXPECT_TRUE(Form->LabelSample->text().endsWith("; Samples: 2"));
    EXPECT_TRUE(Form->PanelStatus->text().startsWith("   Playing since "));
    EXPECT_TRUE(Form->PanelStatus->text().contains("; Last max on "));
    Expand();
    Feed(2.0f);
    const TStatisticsPanel &panel = *Form->PanelBottom;
    EXPECT_EQ(std::make_tuple(panel.LabelPeak->text(), panel.LabelMaxValue->text(), panel.LabelMinValue->text(),
                              panel.LabelMeanValue->text(), panel.LabelRangedBValue->text()),
              std::make_tuple("2.0000", "4.0000", "1.0000", "2.3333", "6 dB"));
}

TEST_F(MainWindowTest, UnitCorrectionAndRiskChoicesDecideTheReadingsShown)
{
    Expand();
    Form->CorrectionCB->setCurrentText("3");
    Listen();
    Feed(0.5f);
    EXPECT_EQ(Form->PanelBottom->LabelPeak->text(), "1.0000");
    EXPECT_EQ(Form->LabelRisk->text(), "Moderate");
    Form->RiskPopulationRG->SetItemIndex(1);
    Form->RiskStateRG->SetItemIndex(1);
    Feed(0.5f);
    EXPECT_EQ(Form->LabelRisk->text(), "Very high");

    Form->CorrectionCB->setCurrentText("0");
    Form->IrrUnitGB->SetItemIndex(0);
    Form->IrrUnitGBClick();
    Feed(1.0f);
    EXPECT_EQ(Form->Session.Statistics().Unit(), UnitVm);
    // The mode is shown as a power density whatever the unit: 1 V/m lies in class 4 dB.
    EXPECT_EQ(Form->PanelBottom->LabelModeValue->text(), "2.5119");
}

TEST_F(MainWindowTest, TimeChartScrollsOncePastTheVisiblePoints)
{
    Form->VisibleSamplesCB->setCurrentText("15");
    Listen();
    for (int i = 0; i < 16; ++i)
        Feed(1.0f);
    EXPECT_DOUBLE_EQ(Form->TChart->RangeLoX(), 0.0);

    Feed(2.0f);
    EXPECT_EQ(Form->TChart->ItemCount(), 16u);
    EXPECT_DOUBLE_EQ(Form->TChart->RangeLoX(), 0.5);
    EXPECT_DOUBLE_EQ(Form->TChart->RangeHiX(), 8.375);
    // The top follows the maximum with a tenth to spare.
    EXPECT_DOUBLE_EQ(Form->TChart->RangeHiY(), 2.2);
}

TEST_F(MainWindowTest, HistogramChartHasOneBarPerOccupiedClass)
{
    Listen();
    for (float value : {1.0f, 1.1f, 10.0f, 0.0125f, 10.5f})
        Feed(value);
    EXPECT_EQ(Form->HChart->ItemCount(), 3u); // classes 0, 10 and -20 dB
}

TEST_F(MainWindowTest, PeakFrequencyIsColouredAndClearedByItsTimer)
{
    Listen();
    Feed(1.0f, 2450);
    EXPECT_EQ(Form->LabelPeakFreq->text(), "Peak Frequency: 2450");
    EXPECT_EQ(Form->LabelPeakFreq->palette().color(QPalette::WindowText), QColor(119, 206, 0));
    EXPECT_TRUE(Form->LabelPeakFreqTimer.isActive());

    Feed(1.0f, 0);
    EXPECT_EQ(Form->LabelPeakFreq->text(), "Peak Frequency: 2450");
    Form->LabelPeakFreqTimerTimer();
    EXPECT_TRUE(Form->LabelPeakFreq->text().isEmpty());

    Feed(1.0f, 9000);
    EXPECT_EQ(Form->LabelPeakFreq->palette().color(QPalette::WindowText), QColor(255, 74, 142));
}

TEST_F(MainWindowTest, PickingTheSettingsInUseAgainKeepsTheRunAndOthersRestartIt)
{
    Listen();
    Feed(1.0f);
    Feed(2.0f);
    Form->IrrUnitGB->Item(Form->IrrUnitGB->ItemIndex())->click();
    for (QComboBox *box : {Form->IntervalCB, Form->CorrectionCB, Form->VisibleSamplesCB})
        emit box->activated(box->currentIndex());
    EXPECT_EQ(Form->Session.Statistics().SampleCount(), 2u);
    EXPECT_EQ(Form->TChart->ItemCount(), 2u);

    Form->IntervalCB->setCurrentIndex(4);
    emit Form->IntervalCB->activated(4);
    EXPECT_EQ(Form->Session.Statistics().SampleCount(), 0u);
    EXPECT_EQ(Form->TChart->ItemCount(), 0u);
    EXPECT_EQ(Form->HChart->ItemCount(), 0u);
    EXPECT_DOUBLE_EQ(Form->TChart->RangeHiX(), 60 * 60 * 1.05);

    Feed(1.0f);
    Form->IrrUnitGB->Item(0)->click();
    EXPECT_EQ(Form->Session.Statistics().SampleCount(), 0u);
    Feed(1.0f);
    Form->VisibleSamplesCB->setCurrentIndex(0);
    emit Form->VisibleSamplesCB->activated(0);
    EXPECT_EQ(Form->Session.VisibleSamples(), 15u);
    EXPECT_EQ(Form->Session.Statistics().SampleCount(), 0u);
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(MainWindowTest, PointsThatAreNoPositiveNumberAreRefusedAndTheRunGoesOn)
{
    Listen();
    Feed(1.0f);
    for (const char *typed : {"6x", "", "0", "-15"}) {
        Form->VisibleSamplesCB->setCurrentText(typed);
        Form->VisibleSamplesCBChange();
    }
    Form->VisibleSamplesCB->setCurrentText("60");
    Form->CorrectionCB->setCurrentText("three");
    Form->correctionCBChange();
    EXPECT_EQ(Services.Texts(), (QStringList{"'6x' is not a valid integer value", "'' is not a valid integer value",
                                             "'0' is not a valid integer value", "'-15' is not a valid integer value",
                                             "'three' is not a valid integer value"}));
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    EXPECT_EQ(Form->Session.Statistics().SampleCount(), 1u);
}

TEST_F(MainWindowTest, ReadoutsOfLargeReadingsFitTheirSpaceAndShowTheValue)
{
    const auto shown = [](QString text) { return QLocale::system().toDouble(text.replace('E', 'e')); };
    Listen();
    Expand();
    Feed(12345.6f);
    EXPECT_EQ(Form->PanelBottom->LabelMaxValue->text(), "12346");
    Feed(99999999.0f); // 1e8 as a float
    const TStatisticsPanel &panel = *Form->PanelBottom;
    for (QLabel *label : {panel.LabelPeak, panel.LabelMaxValue, panel.LabelMinValue, panel.LabelMeanValue})
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    EXPECT_NEAR(shown(panel.LabelMaxValue->text()), 1e8, 1e6);
    EXPECT_NEAR(shown(panel.LabelMeanValue->text()), (12345.6 + 1e8) / 2, 1e6);

    Form->TChart->OnMouseMoveInChart(Form->TChart, true, {}, 1.0, 9.87654e7);
    const QString readout = Form->TChartEdit->text();
    EXPECT_LE(Form->TChartEdit->fontMetrics().horizontalAdvance(readout), Form->TChartEdit->width() - 4);
    EXPECT_NEAR(shown(readout), 9.87654e7, 1e4);
}
