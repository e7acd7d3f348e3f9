#pragma once
// A chart whose data units are pixels: the plot starts at column and row 10, x = 0 on its first
// column and y = 0 on its last row.

#include "charts/RChart.h"

inline void MakePixelChart(TRChart &chart, QSize area = QSize(120, 80))
{
    chart.SetLRim(10);
    chart.SetRRim(10);
    chart.SetTRim(10);
    chart.SetBRim(10);
    chart.SetGridStyle(gsNone);
    chart.resize(area + QSize(20, 20));
    chart.SetRanges(0, 0, area.width(), area.height());
}
