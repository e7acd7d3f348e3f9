#pragma once
// Everything of a chart but its items: the backgrounds, the drop shadow and the grid under
// the items; the axes, ticks, tick labels and the two captions over them, in the rims.

#include "charts/AxisTicks.h"
#include "charts/ChartAppearance.h"
#include "charts/PlotMapping.h"

#include <QFont>
#include <QPainter>

#include <vector>

struct TChartScales {
    std::vector<TAxisTick> X;
    std::vector<TAxisTick> Y;
};

TChartScales MakeChartScales(const TChartAppearance &look, const TPlotMapping &mapping, const QLocale &locale);

void PaintChartBackground(QPainter &painter, const TChartAppearance &look, const QRect &client,
                          const TPlotMapping &mapping, const TChartScales &scales);

void PaintChartScales(QPainter &painter, const TChartAppearance &look, const QFont &font, const QRect &client,
                      const TPlotMapping &mapping, const TChartScales &scales);
