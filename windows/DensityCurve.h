#pragma once
// A level histogram as a density curve: the relative frequency of each class (its count over
// the histogram's total) against the class's level.

#include "model/UnitHistogram_COMMON.h"

class TChartWidget;

// A histogram without samples has no relative frequencies, hence no curve.
inline bool HasDensityCurve(const THistogram &histogram)
{
    return histogram.Total > 0;
}

// The highest relative frequency, MaxCount / Total; only for a histogram that has a curve.
inline double PeakDensityOf(const THistogram &histogram)
{
    return double(histogram.MaxCount) / histogram.Total;
}

// The polyline through (L, relative frequency of L) for every class L, zeros included: one
// line item per step between neighbouring classes, in the chart's current colour and width.
void AddDensityLines(TChartWidget &chart, const THistogram &histogram);
