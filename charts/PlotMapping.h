#pragma once
// Data coordinates to pixels of the plotting area and back. The low limit of each axis
// falls on the area's first column (x) or last row (y); one pixel is span / size data units.
// Every painter maps through this one type, so that they all put a point on the same pixel.

#include "charts/AxisRange.h"

#include <QRect>

struct TPlotMapping {
    QRect Area;
    TAxisRange X;
    TAxisRange Y;
    double PixelsPerX;
    double PixelsPerY;

    TPlotMapping(const QRect &area, const TAxisRange &x, const TAxisRange &y)
        : Area(area), X(x), Y(y), PixelsPerX(area.width() / x.Span()), PixelsPerY(area.height() / y.Span())
    {
    }

    // Unrounded pixel positions.
    double Column(double x) const { return Area.left() + (x - X.Lo) * PixelsPerX; }
    double Row(double y) const { return Area.bottom() - (y - Y.Lo) * PixelsPerY; }

    // The pixel nearest to (x, y), halves rounding right and up, when it lies at most margin
    // pixels outside the area; false otherwise (also for NaN).
    bool PixelOf(double x, double y, int margin, int &column, int &row) const
    {
        const double dx = (x - X.Lo) * PixelsPerX;
        const double dy = (y - Y.Lo) * PixelsPerY;
        const double low = -margin - 0.5;
        if (!(dx >= low && dx < Area.width() + margin - 0.5 && dy >= low && dy < Area.height() + margin - 0.5))
            return false;
        // Shifted to positive before the truncating cast, which then floors.
        const int shift = margin + 1;
        column = Area.left() + int(dx + 0.5 + shift) - shift;
        row = Area.bottom() - (int(dy + 0.5 + shift) - shift);
        return true;
    }

    double DataX(double column) const { return X.Lo + (column - Area.left()) * X.Span() / Area.width(); }
    double DataY(double row) const { return Y.Lo + (Area.bottom() - row) * Y.Span() / Area.height(); }
};
