#pragma once
// A chart painted onto any painter (a PDF page, an SVG file, a picture) in the control's own
// logical pixels, from (0, 0) to its size: the caller's transform places and scales it. The
// frame, grid, scales, captions, lines and bars stay vector drawing; a few thousand marks
// too. More marks are painted by the mark rasteriser into one transparent picture of the
// plotting area at markScale times the control's resolution, drawn over the plot.

#include "charts/AxisTicks.h"

#include <functional>
#include <vector>

class QPainter;
class TChartWidget;

// The abscissa's ticks for the window lo ... hi, where a print labels them its own way.
using TTickMaker = std::function<std::vector<TAxisTick>(double lo, double hi)>;

// xTicks, when given, stands in for the control's own abscissa ticks.
void PrintChart(const TChartWidget &chart, QPainter &painter, int markScale = 1, const TTickMaker &xTicks = {});
