// The live sample pipeline's drawing: every reading the session has counted is shown on the
// charts and read-outs, and the charts start afresh with each reset of the live state.

#include "app/LivePipeline.h"

#include "model/HandlerErrors.h"
#include "app/AcquisitionSettingsPanel.h"
#include "windows/ChoiceGroup.h"
#include "app/MainWindow.h"
#include "charts/LevelHistogram.h"
#include "charts/ChartWidget.h"
#include "model/Risk.h"
#include "model/Services.h"
#include "windows/StatisticsPanel.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>
#include <array>

TTimedValue MakeTimedValue(double value, double time)
{
    return {value, time};
}

TTimedValue TMainWindow::MaxRecord() const
{
    return MakeTimedValue(Session.Statistics().Maximum(), Session.Statistics().MaximumTime());
}

void TMainWindow::ShowSample()
{
    RiskIndex = EvaluateRisk(Session.CurrentMetaData().Unit, Session.CurrentValue(), SettingsPanel->RiskPopulationRG->ItemIndex(),
                             SettingsPanel->RiskStateRG->ItemIndex());
    const std::uint8_t decimals = DisplayDecimals(MaxRecord().Value);
    PlotSample(*TChart, decimals - 1);
    // While importing, the histogram is drawn once after the last record.
    if (const TRecordingState state = Session.State(); state == Listening || state == Recording)
        DrawLevelHistogram(*HChart, Session.LiveHistogram(), SettingsPanel->RiskPopulationRG->ItemIndex(), SettingsPanel->RiskStateRG->ItemIndex(),
                           true);
    ShowSampleValues(decimals);
}

void TMainWindow::ShowSampleValues(std::uint8_t decimals)
{
    PanelBottom->ShowReading(decimals, Session.CurrentValue());
    PanelBottom->ShowStatistics(Session.Statistics(), decimals);
    LabelRisk->setText(RiskCategoryName(RiskIndex));
}

void TMainWindow::SetupTimeChart(TChartWidget &chart, std::uint8_t unit, int visibleSamples, double interval)
{
    chart.ClearItems();
    chart.SetRangeLoX(0.0);
    chart.SetRangeHiY(0.001);
    const TRecordingState state = Session.State();
    if (state == Listening || state == Recording)
        chart.SetRangeHiX(visibleSamples * interval * 1.05);
    else if (state == Importing)
        chart.SetRangeHiX(visibleSamples * interval);
    if (const std::optional<QString> name = UnitName(unit))
        chart.ChangeAppearance([&](TChartAppearance &look) { look.IdOrdinate = *name; });
    MarkShape = MarkShapeFor(visibleSamples);
}

void TMainWindow::PlotSample(TChartWidget &chart, int decimals)
{
    chart.SetDataColor(RiskColor(RiskIndex));
    const double maximum = MaxRecord().Value;
    if (chart.RangeHiY() < maximum)
        chart.SetRangeHiY(maximum + 0.1 * maximum);
    chart.AddMark(ElapsedX, Session.CurrentValue(), MarkShape);
    chart.ChangeAppearance([decimals](TChartAppearance &look) { look.DecPlaceY = decimals; });
    const double interval = Session.CurrentMetaData().Interval;
    if (PlottedCount <= Session.VisibleSamples()) {
        ++PlottedCount;
    } else {
        chart.RemoveFirstItem();
        chart.SetRanges(chart.RangeLoX() + interval, chart.RangeLoY(), chart.RangeHiX() + interval, chart.RangeHiY());
    }
    chart.Redraw();
    ElapsedX += interval;
}

void TMainWindow::ResetHistogramChart(TChartWidget &chart)
{
    chart.ClearItems();
    chart.SetRangeHiY(4.0);
}
