#include "windows/DensityCurve.h"

#include "charts/ChartWidget.h"

#include <algorithm>

void AddDensityLines(TChartWidget &chart, const THistogram &histogram)
{
    const auto density = [&histogram](std::int64_t level) {
        return double(histogram.Counts[std::size_t(level - histogram.Lower)]) / histogram.Total;
    };
    // Every step joins two classes the histogram holds, whatever its fields claim.
    const std::int64_t last =
        std::min<std::int64_t>(histogram.Upper, histogram.Lower + std::int64_t(histogram.Counts.size()) - 1);
    for (std::int64_t level = histogram.Lower; level < last; ++level)
        chart.AddLine(double(level), density(level), double(level + 1), density(level + 1));
}
