#pragma once
// A level histogram drawn as bars on a chart: one bar 0.96 dB wide per class with a count,
// in the risk colour of its level for the population and state, with a silver etched edge.

#include "model/Risk.h"

#include <cstdint>

class TChartWidget;
class THistogram;

// The top of the count axis for a tallest bar of maxCount: maxCount plus a tenth of it
// (nearest integer, halves to even). With growOnly the top only rises, and only once the
// tallest bar reaches 95 % of currentTop; otherwise currentTop is kept.
double HistogramTop(double currentTop, std::uint32_t maxCount, bool growOnly);

// With growOnly false the emptied chart is shown at once while the bars are prepared.
void DrawLevelHistogram(TChartWidget &chart, const THistogram &histogram, TPopulation population, TTargetState state,
                        bool growOnly);
