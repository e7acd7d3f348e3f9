#pragma once
// A chart painted onto any painter (a PDF page, an SVG file, a picture) in the control's own
// logical pixels, from (0, 0) to its size: the caller's transform places and scales it. The
// frame, grid, scales, captions, lines and bars stay vector drawing; a few thousand marks
// too. More marks are painted by the mark rasteriser into one transparent picture of the
// plotting area at markScale times the control's resolution, drawn over the plot.

class QPainter;
class TChartWidget;

void PrintChart(const TChartWidget &chart, QPainter &painter, int markScale = 1);
