// The live charts panel: read-outs, charts and the run's reset. How the
// statistics are computed is SampleStatistics' to test.

#include "tests/app/AppTestSupport.h"

#include "charts/ChartWidget.h"
#include "windows/ChoiceGroup.h"
#include "windows/StatisticsPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

TEST_F(MainWindowTest, TheUnfoldedPanelShowsTheRunsStatisticsWithTheCorrectionAndTheChosenRisk)
{
    const TStatisticsPanel &panel = *Form->Charts->Statistics;
    Form->SettingsPanel->CorrectionCB->setCurrentText("3");
    Listen();
    Feed(0.5f);
    EXPECT_TRUE(panel.LabelMeanValue->text().isEmpty()); // folded: unshown
    EXPECT_TRUE(Form->StatusLine->SampleClock->text().endsWith("; Samples: 1"));
    EXPECT_TRUE(Form->StatusLine->text().startsWith("   Playing since "));
    EXPECT_EQ(Form->Charts->RiskCategory->text(), "Moderate");
    Form->Charts->Statistics->SetExpanded(true);
    Feed(2.0f);
    EXPECT_EQ(std::make_tuple(panel.LabelPeak->text(), panel.LabelMaxValue->text(), panel.LabelMinValue->text(),
                              panel.LabelMeanValue->text()),
              std::make_tuple("4.0000", "4.0000", "1.0000", "2.5000"));
    Form->SettingsPanel->RiskPopulationRG->SetItemIndex(1);
    Form->SettingsPanel->RiskStateRG->SetItemIndex(1);
    Feed(0.5f);
    EXPECT_EQ(Form->Charts->RiskCategory->text(), "Very high");
}

TEST_F(MainWindowTest, TimeChartScrollsOncePastTheVisiblePoints)
{
    Form->SettingsPanel->VisibleSamplesCB->setCurrentText("15");
    Listen();
    for (int i = 0; i < 16; ++i)
        Feed(1.0f);
    EXPECT_DOUBLE_EQ(Form->Charts->TChart->RangeLoX(), 0.0);
    Feed(2.0f);
    EXPECT_EQ(Form->Charts->TChart->ItemCount(), 16u);
    EXPECT_DOUBLE_EQ(Form->Charts->TChart->RangeLoX(), 0.5);
    EXPECT_DOUBLE_EQ(Form->Charts->TChart->RangeHiX(), 8.375);
}

TEST_F(MainWindowTest, OnlyAChangedValidSettingRestartsTheRun)
{
    Listen();
    Feed(1.0f);
    Feed(2.0f);
    Form->SettingsPanel->IrrUnitGB->Item(Form->SettingsPanel->IrrUnitGB->ItemIndex())->click();
    const TAcquisitionSettingsPanel &panel = *Form->SettingsPanel;
    for (QComboBox *box : {panel.IntervalCB, panel.CorrectionCB, panel.VisibleSamplesCB})
        emit box->activated(box->currentIndex());
    // A box holding no positive number is refused with the conversion's box.
    Form->SettingsPanel->VisibleSamplesCB->setCurrentText("0");
    Form->SettingsPanel->VisibleSamplesCBChange();
    Form->SettingsPanel->VisibleSamplesCB->setCurrentText("60");
    EXPECT_EQ(Services.Texts(), QStringList{"'0' is not a valid integer value"});
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    EXPECT_EQ(Form->Session.Statistics().SampleCount(), 2u);
    EXPECT_EQ(Form->Charts->TChart->ItemCount(), 2u);

    Form->SettingsPanel->IntervalCB->setCurrentIndex(4);
    emit Form->SettingsPanel->IntervalCB->activated(4);
    EXPECT_EQ(Form->Session.Statistics().SampleCount(), 0u);
    EXPECT_EQ(Form->Charts->TChart->ItemCount(), 0u);
    EXPECT_EQ(Form->Charts->HChart->ItemCount(), 0u);
    EXPECT_DOUBLE_EQ(Form->Charts->TChart->RangeHiX(), 60 * 60 * 1.05);
}

TEST_F(MainWindowTest, ReadoutsOfLargeReadingsFitTheirSpaceAndShowTheValue)
{
    const auto shown = [](QString text) { return QLocale::system().toDouble(text.replace('E', 'e')); };
    Listen();
    Form->Charts->Statistics->SetExpanded(true);
    Feed(12345.6f);
    Feed(99999999.0f); // 1e8 as a float
    const TStatisticsPanel &panel = *Form->Charts->Statistics;
    for (QLabel *label : {panel.LabelPeak, panel.LabelMaxValue, panel.LabelMinValue, panel.LabelMeanValue})
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    EXPECT_NEAR(shown(panel.LabelMaxValue->text()), 1e8, 1e6);

    Form->Charts->TChart->OnMouseMoveInChart(Form->Charts->TChart, true, {}, 1.0, 9.87654e7);
    const QString readout = Form->Charts->TChartEdit->text();
    EXPECT_LE(Form->Charts->TChartEdit->fontMetrics().horizontalAdvance(readout),
              Form->Charts->TChartEdit->width() - 4);
    EXPECT_NEAR(shown(readout), 9.87654e7, 1e4);
}
