#pragma once
// A chart whose data units are pixels: the plot starts at column and row 10, x = 0 on its first
// column and y = 0 on its last row.

#include "charts/ChartWidget.h"

inline void MakePixelChart(TChartWidget &chart, QSize area = QSize(120, 80))
{
    chart.ChangeAppearance([](TChartAppearance &look) {
        look.LRim = look.RRim = look.TRim = look.BRim = 10;
        look.GridStyle = gsNone;
    });
    chart.resize(area + QSize(20, 20));
    chart.SetRanges(0, 0, area.width(), area.height());
}
