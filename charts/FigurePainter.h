#pragma once
// Lines and bars, painted through QPainter (aliased) in pixels of the plotting area. The
// painter must be clipped to the area; coordinates far outside it are cut back first, so that
// no huge value reaches the rasteriser.

#include "charts/ChartItems.h"
#include "charts/PlotMapping.h"

#include <QPainter>

// A line whose ends fall on one pixel paints that pixel.
void PaintLine(QPainter &painter, const TPlotMapping &mapping, const TLineItem &line);

// The rectangle between the corners (either order), filled in its fill colour; with edge
// style 2 then two one-pixel outlines of its size: EdgeColor1 shifted one pixel right and
// down, EdgeColor2 on the bar's own left and top lines. A bar on one pixel is that pixel in
// the fill colour.
void PaintBar(QPainter &painter, const TPlotMapping &mapping, const TBarItem &bar);

// The lines and bars of a run that are still in the list, in list order.
void PaintFigures(QPainter &painter, const TPlotMapping &mapping, const TFigureRun &figures);
