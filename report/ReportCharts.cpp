#include "report/ReportCharts.h"

#include "charts/ChartConfigurations.h"
#include "charts/ChartMouse.h"
#include "charts/LevelHistogram.h"
#include "charts/MarkShapes.h"
#include "model/Units.h"
#include "storage/LogFile.h"
#include "storage/RecordClock.h"

#include <cmath>

namespace {

constexpr double DefaultInterval = 0.5;

} // namespace

std::unique_ptr<TRecordCharts> MakeRecordCharts(const QString &logPath, const TMetaData &meta, TPopulation population,
                                                TTargetState state, const QSize &size)
{
    auto charts = std::make_unique<TRecordCharts>();
    ConfigureChart(charts->Time, ViewerTimeChartConfiguration());
    ConfigureChart(charts->Histogram, ViewerHistogramChartConfiguration());
    charts->Time.resize(size);
    charts->Histogram.resize(size);

    // A damaged interval would put every sample at one time; the viewer takes 0.5 s then.
    const double interval = meta.Interval > 0 && std::isfinite(meta.Interval) ? meta.Interval : DefaultInterval;
    const double startSecond =
        RoundHalfEven(double(TRecordClock(meta.StartTime, interval).Start().MsOfDay) / 1000.0);
    const std::uint8_t shape = MarkShapeFor(std::int64_t(TLogReader(logPath).Count()));
    TChartWidget &time = charts->Time;
    charts->Digest = DigestRecord(logPath, meta.Unit, population, state, [&](std::uint64_t index, double value) {
        time.AddMark(startSecond + double(index - 1) * interval, value, shape);
    });

    const std::uint64_t samples = charts->Digest.Samples();
    const double maximum = samples > 0 ? charts->Digest.Statistics.Maximum() : 0.0;
    time.SetRanges(ViewerTimeChartFullView(startSecond, interval, std::int64_t(samples), maximum));
    charts->Histogram.SetRanges(-33.5, 0, 33.5, 4);
    DrawLevelHistogram(charts->Histogram, charts->Digest.Statistics.Histogram(), population, state, false);
    return charts;
}
