#include "charts/LevelHistogram.h"

#include "charts/ChartWidget.h"
#include "model/Risk.h"
#include "model/UnitHistogram_COMMON.h"

namespace {

constexpr double HalfBarWidth = 0.48;
constexpr int EtchedEdge = 2;
const QColor Silver(0xC0, 0xC0, 0xC0);

// count + count / 10 rounded to the nearest integer, halves to even; in integers, so that
// the halves are exact.
double CountWithMargin(std::uint32_t count)
{
    std::uint64_t tenth = count / 10;
    const std::uint32_t rest = count % 10;
    if (rest > 5 || (rest == 5 && tenth % 2 == 1))
        ++tenth;
    return double(std::uint64_t(count) + tenth);
}

} // namespace

double HistogramTop(double currentTop, std::uint32_t maxCount, bool growOnly)
{
    if (growOnly && currentTop * 0.95 > maxCount)
        return currentTop;
    return CountWithMargin(maxCount);
}

void DrawLevelHistogram(TChartWidget &chart, const THistogram &histogram, TPopulation population, TTargetState state,
                        bool growOnly)
{
    chart.ClearItems();
    if (!growOnly)
        chart.Redraw();
    chart.SetRangeHiY(HistogramTop(chart.RangeHiY(), histogram.MaxCount, growOnly));
    for (std::size_t i = 0; i < histogram.Counts.size(); ++i) {
        const std::uint32_t count = histogram.Counts[i];
        if (count == 0)
            continue;
        const int level = histogram.Lower + int(i);
        const QColor colour = RiskColor(HistogramClassRiskIndex(level, population, state));
        chart.SetFillColor(colour);
        chart.AddBar(level - HalfBarWidth, 0, level + HalfBarWidth, count, EtchedEdge, Silver, colour);
    }
    chart.Redraw();
}
