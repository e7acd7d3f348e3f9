#pragma once
// Marks painted one by one in list order through QPainter: the reference picture, and the
// cheaper way for a few thousand marks. The painter must be clipped to the plotting area.

#include "charts/PlotMapping.h"
#include "charts/VisibleMarks.h"

#include <QPainter>

void PaintMarksInOrder(QPainter &painter, const TPlotMapping &mapping, const std::vector<TMarkSpan> &spans);
