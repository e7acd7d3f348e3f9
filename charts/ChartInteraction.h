#pragma once
// The new ranges of the three drag modes, from the ranges at the press and the pointer's
// displacement since it (dx right, dy down, in pixels).

#include "charts/AxisRange.h"
#include "charts/ChartTypes.h"
#include "charts/PlotMapping.h"

#include <QPoint>
#include <QRect>

#include <optional>

// maPan: the content follows the pointer; each axis shifts by displacement x span / the
// plotting area's size in pixels.
TRangeBox PannedRanges(const TAxisRange &x, const TAxisRange &y, QPoint displacement, QSize plotSize);

// maZoomDrag: the x span scales by (1 - dx / control width), the y span by
// (1 + dy / control height), both about their centres. A factor that would turn negative
// (a drag beyond the control's own width or height) stops at zero, where the minimum range
// takes over.
TRangeBox DragZoomedRanges(const TAxisRange &x, const TAxisRange &y, QPoint displacement, QSize controlSize);

// maZoomWindPos: the data window of the rectangle between two pixels of the plotting area,
// each axis ordered low to high; none when the rectangle has no width or no height.
std::optional<TRangeBox> RubberBandRanges(const TPlotMapping &mapping, QPoint corner1, QPoint corner2);

// The nearest pixel of the area.
QPoint ClampToArea(QPoint point, const QRect &area);
