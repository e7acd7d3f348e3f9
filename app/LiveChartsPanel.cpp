#include "app/LiveChartsPanel.h"

#include "app/AcquisitionSettingsPanel.h"
#include "charts/ChartConfigurations.h"
#include "charts/ChartMouse.h"
#include "charts/ChartReadouts.h"
#include "charts/ChartWidget.h"
#include "charts/LevelHistogram.h"
#include "charts/TextSpace.h"
#include "dialogs/WidgetStyle.h"
#include "model/Risk.h"
#include "session/AcquisitionSession.h"
#include "windows/StatisticsPanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

const QColor StatisticsTextColour(244, 244, 244);

// The dark charts of the run, each with its read-out.
TChartsPanelLook LiveLook(const TAcquisitionChoice &applied)
{
    return {
        .PlotsBackground = Qt::white,
        .SplitterStyle = QStringLiteral("QSplitter::handle { background: silver; }"),
        .ChartMinimumHeight = 1,
        .SplitterSizes = {232, 10000},
        .TimeChart = MainTimeChartConfiguration(applied.VisibleSamples, applied.Interval),
        .Histogram = MainHistogramChartConfiguration(),
        .TimeReadout = true,
        .ReadoutSize = QSize(180, 24),
        .ReadoutAlignment = Qt::AlignLeft | Qt::AlignVCenter,
        .ReadoutText = QColor(242, 242, 242),
        .ReadoutBackground = WindowGrey,
        .ReadoutInset = 14,
        .RiskScaleHeight = 21,
        .RiskScaleText = Qt::white,
        // Captions and read-outs of both rows share their widths, so the columns line up.
        .Statistics =
            {
                .FirstCaption = QCoreApplication::translate("TLiveChartsPanel", "Current"),
                .Hints = {QCoreApplication::translate("TLiveChartsPanel", "Current Peak"),
                          QCoreApplication::translate("TLiveChartsPanel", "Maximum Peak observed so far"),
                          QCoreApplication::translate("TLiveChartsPanel", "Peak value (± 0.5dB) more often observed"),
                          QCoreApplication::translate("TLiveChartsPanel", "The ratio max/min in dB"),
                          QCoreApplication::translate("TLiveChartsPanel", "Minimum Peak observed so far"),
                          QCoreApplication::translate("TLiveChartsPanel", "Current Peak")},
                .Background = WindowGrey,
                .TextColour = StatisticsTextColour,
                .ValueColours = {QColor(247, 247, 247), QColor(245, 80, 80), QColor(217, 217, 0),
                                 QColor(214, 118, 245), QColor(91, 198, 238), QColor(199, 199, 199)},
                .FirstRowHeight = 52,
                .SecondRowHeight = 40,
                .FirstRowMargins = QMargins(0, 0, 10, 0),
                .CaptionWidth = 86,
                .CaptionGap = 8,
                .ValueWidth = 152,
            },
    };
}

} // namespace

TTimedValue MakeTimedValue(double value, double time)
{
    return {value, time};
}

TLiveChartsPanel::TLiveChartsPanel(const TAcquisitionSession &session, TAcquisitionSettingsPanel &settings,
                                   const QString &resourcesDir, QWidget *parent)
    : TChartsPanel(LiveLook(settings.AppliedChoice), &settings, resourcesDir, parent), Session(session),
      Settings(settings)
{
    BuildRiskCategory();
    WireCharts();
    Statistics->SetExpanded(false);

    connect(&Session, &TAcquisitionSession::LiveStateReset, this, &TLiveChartsPanel::ResetCharts);
    connect(&Session, &TAcquisitionSession::SampleProcessed, this, &TLiveChartsPanel::ShowSample);
    // The histogram is left alone while importing: it is drawn once, here.
    connect(&Session, &TAcquisitionSession::ImportReplayed, this, &TLiveChartsPanel::DrawHistogram);
}

void TLiveChartsPanel::BuildRiskCategory()
{
    // Where the category stands beside its caption is the language's: "Moderate risk", "Risque Modéré".
    const QString phrase = QCoreApplication::translate("TLiveChartsPanel", "%1 risk", "the risk category, then its caption");
    const bool categoryFirst = phrase.startsWith(QLatin1String("%1"));
    // The two words meet in the middle of their cell.
    const Qt::Alignment towardsCaption = categoryFirst ? Qt::AlignRight : Qt::AlignLeft;
    const Qt::Alignment towardsCategory = categoryFirst ? Qt::AlignLeft : Qt::AlignRight;
    RiskCategory = new QLabel(Statistics);
    RiskCategory->setAlignment(towardsCaption | Qt::AlignBottom);
    RiskCategory->setContentsMargins(categoryFirst ? 0 : 6, 0, categoryFirst ? 6 : 0, 6);
    RiskCaption = new QLabel(QString(phrase).remove(QLatin1String("%1")).trimmed(), Statistics);
    RiskCaption->setAlignment(towardsCategory | Qt::AlignBottom);
    RiskCaption->setContentsMargins(0, 0, 0, 6);
    // As wide as the widest category, so that no window width can cut one.
    int widestRisk = 0;
    for (std::size_t category = 0; category < RiskCategoryNames.size(); ++category)
        widestRisk = std::max(widestRisk,
                              RiskCategory->fontMetrics().horizontalAdvance(RiskCategoryDisplayName(category)));
    RiskCategory->setMinimumWidth(widestRisk + RiskCategory->contentsMargins().left()
                                  + RiskCategory->contentsMargins().right());
    Statistics->AddToFirstRow(categoryFirst ? RiskCategory : RiskCaption);
    Statistics->AddToFirstRow(categoryFirst ? RiskCaption : RiskCategory);
}

void TLiveChartsPanel::WireCharts()
{
    TChart->OnMouseDown = [this](TChartWidget *, Qt::MouseButton button, TShiftState shift, int, int) {
        TChartMouseDown(button, shift.Keys);
    };
    TChart->OnMouseMoveInChart = [this](TChartWidget *, bool inChart, TShiftState, double, double y) {
        TChartMouseMoveInChart(inChart, y);
    };
    HChart->OnMouseMoveInChart = [this](TChartWidget *, bool inChart, TShiftState, double x, double) {
        HChartMouseMoveInChart(inChart, x);
    };
}

void TLiveChartsPanel::WriteSettings(TLastSettings &settings) const
{
    settings.StatisticsExpanded = Statistics->Expanded();
}

void TLiveChartsPanel::ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect)
{
    if (linesInEffect >= 8)
        Statistics->SetExpanded(settings.StatisticsExpanded);
}

TTimedValue TLiveChartsPanel::MaxRecord() const
{
    return MakeTimedValue(Session.Statistics().Maximum(), Session.Statistics().MaximumTime());
}

void TLiveChartsPanel::ResetCharts()
{
    ElapsedX = 0.0;
    PlottedCount = 0;
    const TAcquisitionChoice settings = Session.Settings();
    TChart->ClearItems();
    TChart->SetRangeLoX(0.0);
    TChart->SetRangeHiY(0.001);
    const TRecordingState state = Session.State();
    if (state == Listening || state == Recording)
        TChart->SetRangeHiX(settings.VisibleSamples * settings.Interval * 1.05);
    else if (state == Importing)
        TChart->SetRangeHiX(settings.VisibleSamples * settings.Interval);
    if (const std::optional<QString> name = UnitName(settings.Unit))
        TChart->ChangeAppearance([&](TChartAppearance &look) { look.IdOrdinate = *name; });
    MarkShape = MarkShapeFor(settings.VisibleSamples);
    HChart->ClearItems();
    HChart->SetRangeHiY(4.0);
}

void TLiveChartsPanel::ShowSample()
{
    RiskIndex = EvaluateRisk(Session.CurrentMetaData().Unit, Session.CurrentValue(), Settings.Population(),
                             Settings.TargetState());
    const std::uint8_t decimals = DisplayDecimals(MaxRecord().Value);
    PlotSample(decimals - 1);
    // While importing, the histogram is drawn once after the last record.
    if (const TRecordingState state = Session.State(); state == Listening || state == Recording)
        DrawHistogram();
    Statistics->ShowReading(decimals, Session.CurrentValue());
    Statistics->ShowStatistics(Session.Statistics(), decimals);
    RiskCategory->setText(RiskCategoryDisplayName(static_cast<std::size_t>(RiskCategoryIndex(RiskIndex))));
}

void TLiveChartsPanel::PlotSample(int decimals)
{
    TChartWidget &chart = *TChart;
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

void TLiveChartsPanel::DrawHistogram()
{
    DrawLevelHistogram(*HChart, Session.LiveHistogram(), Settings.Population(), Settings.TargetState(), true);
}

void TLiveChartsPanel::Clear()
{
    for (TChartWidget *chart : {TChart, HChart}) {
        chart->ClearItems();
        chart->Redraw();
    }
    Statistics->Clear();
    RiskCategory->clear();
}

void TLiveChartsPanel::TChartMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    // While samples arrive live, the chart scrolls by itself.
    if (Session.State() != Stopped && Session.State() != Importing)
        return;
    HandleChartMouseDown(*TChart, button, keys,
                         MainTimeChartFullView(Settings.IntervalInControls(),
                                               static_cast<std::int64_t>(Session.Statistics().SampleCount()),
                                               MaxRecord().Value));
}

void TLiveChartsPanel::TChartMouseMoveInChart(bool inChart, double y)
{
    TChartEdit->setText(inChart ? ValueReadoutText(MaxRecord().Value, y, QLocale::system(), FitsInside(*TChartEdit))
                                : QString());
}

void TLiveChartsPanel::HChartMouseMoveInChart(bool inChart, double x)
{
    HChartEdit->setText(inChart ? LevelReadoutText(x, QLocale::system(), FitsInside(*HChartEdit)) : QString());
}
