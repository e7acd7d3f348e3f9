#include "report/ReportCharts.h"

#include "charts/ChartConfigurations.h"
#include "charts/ChartMouse.h"
#include "charts/LevelHistogram.h"
#include "charts/MarkShapes.h"
#include "model/Units.h"
#include "report/ReportTimeAxis.h"
#include "storage/LogFile.h"
#include "storage/RecordClock.h"

#include <cmath>

namespace {

constexpr double DefaultInterval = 0.5;
const QColor Paper(Qt::white);
const QColor Ink(0x22, 0x22, 0x22);
const QColor PrintMarks(0x1F, 0x4E, 0x8C);
const QColor PrintGrid(0xB4, 0xB4, 0xB4);
const QColor PrintScale(0x40, 0x40, 0x40);

// Paper, not a screen: no dark panel, no drop shadow, dark marks and text.
void PrintLook(TChartWidget &chart, const QColor &marks, const QString &ordinate)
{
    chart.ChangeAppearance([&](TChartAppearance &look) {
        look.WindColor = look.ChartColor = Paper;
        look.ShadowStyle = ssNone;
        look.DataColor = marks;
        look.FontColor = Ink;
        look.GridColor = PrintGrid;
        look.ScaleColor = PrintScale;
        look.IdOrdinate = ordinate;
    });
}

} // namespace

TTickMaker TRecordCharts::TimeTicks() const
{
    return [day = FirstDay, end = RecordEnd, minTicks = Time.Appearance().MinTickX, locale = Time.locale()](
               double lo, double hi) { return ReportTimeTicks(lo, hi, end, day, minTicks, locale); };
}

std::unique_ptr<TRecordCharts> MakeRecordCharts(const QString &logPath, const TMetaData &meta, TPopulation population,
                                                TTargetState state, const QSize &size)
{
    auto charts = std::make_unique<TRecordCharts>();
    ConfigureChart(charts->Time, ViewerTimeChartConfiguration());
    ConfigureChart(charts->Histogram, ViewerHistogramChartConfiguration());
    charts->Time.resize(size);
    charts->Histogram.resize(size);
    PrintLook(charts->Time, PrintMarks, UnitName(meta.Unit).value_or(QString()));
    PrintLook(charts->Histogram, Ink, charts->Histogram.Appearance().IdOrdinate);

    // A damaged interval would put every sample at one time; the viewer takes 0.5 s then.
    const double interval = meta.Interval > 0 && std::isfinite(meta.Interval) ? meta.Interval : DefaultInterval;
    const TRecordClock clock(meta.StartTime, interval);
    const double startSecond = RoundHalfEven(double(clock.Start().MsOfDay) / 1000.0);
    const std::uint8_t shape = MarkShapeFor(std::int64_t(TLogReader(logPath).Count()));
    TChartWidget &time = charts->Time;
    charts->Digest = DigestRecord(logPath, meta.Unit, interval, population, state, [&](std::uint64_t index, double value) {
        time.AddMark(startSecond + double(index - 1) * interval, value, shape);
    });

    const std::uint64_t samples = charts->Digest.Samples();
    charts->FirstDay = QDate(1899, 12, 30).addDays(clock.Start().Day);
    charts->RecordEnd = startSecond + double(samples) * interval;
    const double maximum = samples > 0 ? charts->Digest.Statistics.Maximum() : 0.0;
    time.SetRanges(ViewerTimeChartFullView(startSecond, interval, std::int64_t(samples), maximum));
    charts->Histogram.SetRanges(-33.5, 0, 33.5, 4);
    DrawLevelHistogram(charts->Histogram, charts->Digest.Statistics.Histogram(), population, state, false);
    return charts;
}
