#pragma once
// Everything of a chart but its items: the backgrounds, the drop shadow and the grid under
// the items; the axes, ticks, tick labels and the two captions over them, in the rims.

#include "charts/AxisTicks.h"
#include "charts/ChartAppearance.h"
#include "charts/PlotMapping.h"
#include "model/FittedValueText.h"

#include <QFont>
#include <QPainter>

#include <vector>

struct TChartScales {
    std::vector<TAxisTick> X;
    std::vector<TAxisTick> Y;
};

// The ticks of both axes. Numeric ordinate labels too wide for the rim beside the axis
// (clientWidth wide in all, labels in metrics' font) are fitted by FitNumericLabels.
TChartScales MakeChartScales(const TChartAppearance &look, const TPlotMapping &mapping, const QLocale &locale,
                             const QFontMetrics &metrics, int clientWidth);

// When a label does not fit, the axis is labelled in exponent form instead ("1.2E38"); a
// label that does not fit even so is left out rather than shown in part.
void FitNumericLabels(std::vector<TAxisTick> &ticks, const TTextFits &fits, const QLocale &locale);

void PaintChartBackground(QPainter &painter, const TChartAppearance &look, const QRect &client,
                          const TPlotMapping &mapping, const TChartScales &scales);

void PaintChartScales(QPainter &painter, const TChartAppearance &look, const QFont &font, const QRect &client,
                      const TPlotMapping &mapping, const TChartScales &scales);
