#include "charts/ChartInteraction.h"

#include <algorithm>

namespace {

TAxisRange ScaledAboutCentre(const TAxisRange &range, double factor)
{
    const double centre = (range.Lo + range.Hi) / 2;
    const double half = range.Span() * std::max(factor, 0.0) / 2;
    return {centre - half, centre + half, range.MinRange};
}

} // namespace

TRangeBox PannedRanges(const TAxisRange &x, const TAxisRange &y, QPoint displacement, QSize plotSize)
{
    const double shiftX = -displacement.x() * x.Span() / plotSize.width();
    const double shiftY = displacement.y() * y.Span() / plotSize.height();
    return {x.Lo + shiftX, y.Lo + shiftY, x.Hi + shiftX, y.Hi + shiftY};
}

TRangeBox DragZoomedRanges(const TAxisRange &x, const TAxisRange &y, QPoint displacement, QSize controlSize)
{
    const TAxisRange newX = ScaledAboutCentre(x, 1.0 - double(displacement.x()) / controlSize.width());
    const TAxisRange newY = ScaledAboutCentre(y, 1.0 + double(displacement.y()) / controlSize.height());
    return {newX.Lo, newY.Lo, newX.Hi, newY.Hi};
}

std::optional<TRangeBox> RubberBandRanges(const TPlotMapping &mapping, QPoint corner1, QPoint corner2)
{
    if (corner1.x() == corner2.x() || corner1.y() == corner2.y())
        return std::nullopt;
    const double x1 = mapping.DataX(corner1.x());
    const double x2 = mapping.DataX(corner2.x());
    const double y1 = mapping.DataY(corner1.y());
    const double y2 = mapping.DataY(corner2.y());
    return TRangeBox{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

QPoint ClampToArea(QPoint point, const QRect &area)
{
    return {std::clamp(point.x(), area.left(), area.right()), std::clamp(point.y(), area.top(), area.bottom())};
}
