#include "charts/ChartFrame.h"

#include "charts/NumericTicks.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int TickLength = 4;
constexpr int LabelGap = 3;
// Least room between two neighbouring tick labels; a label that would come closer is left out.
constexpr int LabelSpacing = 6;

int PixelOfTick(double position)
{
    return int(std::floor(position + 0.5));
}

// The tick positions that fall on the area's columns (or rows), with their labels.
struct TPlacedTick {
    int Pixel;
    const QString *Label;
};

std::vector<TPlacedTick> PlaceTicks(const std::vector<TAxisTick> &ticks, int first, int last, auto &&pixelOf)
{
    std::vector<TPlacedTick> placed;
    for (const TAxisTick &tick : ticks) {
        const double position = pixelOf(tick.Value);
        if (position >= first - 0.5 && position < last + 0.5)
            placed.push_back({PixelOfTick(position), &tick.Label});
    }
    return placed;
}

void PaintXScale(QPainter &painter, const TChartAppearance &look, const TPlotMapping &mapping,
                 const std::vector<TPlacedTick> &ticks, int clientWidth)
{
    const QRect &area = mapping.Area;
    const bool below = look.XAxisPos == xapBottom;
    const int axisRow = below ? area.bottom() + 1 : area.top() - 1;
    const int outward = below ? 1 : -1;
    painter.drawLine(area.left() - 1, axisRow, area.right() + 1, axisRow);
    const QFontMetrics metrics = painter.fontMetrics();
    // A label that would be cut by the control's edge is left out rather than shown in part;
    // the edge is the control's own, also where it is printed onto a wider page.
    int lastLabelRight = std::numeric_limits<int>::min() / 2;
    for (const TPlacedTick &tick : ticks) {
        painter.drawLine(tick.Pixel, axisRow, tick.Pixel, axisRow + outward * TickLength);
        if (!look.ShortTicksX)
            painter.drawLine(tick.Pixel, area.top(), tick.Pixel, area.bottom());
        if (tick.Label->isEmpty())
            continue;
        const int width = metrics.horizontalAdvance(*tick.Label);
        const int left = tick.Pixel - width / 2;
        if (left < lastLabelRight + LabelSpacing || left < 0 || left + width > clientWidth)
            continue;
        lastLabelRight = left + width;
        const int top = below ? axisRow + TickLength + LabelGap : axisRow - TickLength - LabelGap - metrics.height();
        painter.drawText(QRect(left, top, width, metrics.height()), Qt::AlignCenter, *tick.Label);
    }
}

void PaintYScale(QPainter &painter, const TChartAppearance &look, const TPlotMapping &mapping,
                 const std::vector<TPlacedTick> &ticks)
{
    const QRect &area = mapping.Area;
    const bool left = look.YAxisPos == yapLeft;
    const int axisColumn = left ? area.left() - 1 : area.right() + 1;
    const int outward = left ? -1 : 1;
    painter.drawLine(axisColumn, area.top() - 1, axisColumn, area.bottom() + 1);
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.height();
    // Ticks come bottom up; a label must keep clear of the one below it.
    int lastLabelTop = std::numeric_limits<int>::max() / 2;
    for (const TPlacedTick &tick : ticks) {
        painter.drawLine(axisColumn, tick.Pixel, axisColumn + outward * TickLength, tick.Pixel);
        if (!look.ShortTicksY)
            painter.drawLine(area.left(), tick.Pixel, area.right(), tick.Pixel);
        const int top = tick.Pixel - height / 2;
        if (tick.Label->isEmpty() || top + height > lastLabelTop - LabelSpacing / 2)
            continue;
        lastLabelTop = top;
        const int width = metrics.horizontalAdvance(*tick.Label);
        const int reach = TickLength + LabelGap;
        const QRect box = left ? QRect(axisColumn - reach - width, top, width, height)
                               : QRect(axisColumn + reach, top, width, height);
        painter.drawText(box, Qt::AlignCenter, *tick.Label);
    }
}

} // namespace

QRect PlotAreaOf(const QSize &client, const TChartAppearance &look)
{
    const int shadow = look.ShadowStyle == ssFlying ? ShadowDepth : 0;
    const int width = client.width() - look.LRim - look.RRim - shadow;
    const int height = client.height() - look.TRim - look.BRim - shadow;
    if (width <= 0 || height <= 0)
        return {};
    return {look.LRim, look.TRim, width, height};
}

TChartScales MakeChartScales(const TChartAppearance &look, const TPlotMapping &mapping, const QLocale &locale,
                             const QFontMetrics &metrics, int clientWidth)
{
    if (mapping.Area.isEmpty())
        return {};
    TChartScales scales{
        MakeAxisTicks(mapping.X.Lo, mapping.X.Hi, look.XLabelType, look.MinTickX, look.DecPlaceX, locale),
        MakeAxisTicks(mapping.Y.Lo, mapping.Y.Hi, look.YLabelType, look.MinTickY, look.DecPlaceY, locale)};
    if (look.YLabelType == ftNum) {
        const int reach = TickLength + LabelGap + 1;
        const int room = look.YAxisPos == yapLeft ? mapping.Area.left() - reach
                                                  : clientWidth - mapping.Area.right() - 1 - reach;
        FitNumericLabels(scales.Y, FitsWidth(metrics, room), locale);
    }
    return scales;
}

void FitNumericLabels(std::vector<TAxisTick> &ticks, const TTextFits &fits, const QLocale &locale)
{
    const auto fitting = [&](const TAxisTick &tick) { return tick.Label.isEmpty() || fits(tick.Label); };
    if (std::all_of(ticks.begin(), ticks.end(), fitting))
        return;
    double step = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < ticks.size(); ++i)
        step = std::min(step, ticks[i].Value - ticks[i - 1].Value);
    if (!std::isfinite(step))
        step = std::fabs(ticks.empty() ? 0.0 : ticks.front().Value);
    for (TAxisTick &tick : ticks) {
        if (tick.Label.isEmpty())
            continue;
        tick.Label = ExponentTickLabel(tick.Value, step, locale);
        if (!fits(tick.Label))
            tick.Label.clear();
    }
}

void PaintChartBackground(QPainter &painter, const TChartAppearance &look, const QRect &client,
                          const TPlotMapping &mapping, const TChartScales &scales)
{
    painter.fillRect(client, look.WindColor);
    const QRect &area = mapping.Area;
    if (area.isEmpty())
        return;
    if (look.ShadowStyle == ssFlying) {
        const QRect shadow = area.translated(ShadowDepth, ShadowDepth);
        painter.fillRect(shadow, look.ShadowBakColor);
        painter.fillRect(shadow.adjusted(1, 1, -1, -1), look.ShadowColor);
    }
    painter.fillRect(area, look.ChartColor);
    if (look.GridStyle == gsHorizDotLines) {
        QPen dots(look.GridColor, 1, Qt::DotLine);
        painter.setPen(dots);
        const auto rowOf = [&](double y) { return mapping.Row(y); };
        for (const TPlacedTick &tick : PlaceTicks(scales.Y, area.top(), area.bottom(), rowOf))
            painter.drawLine(area.left(), tick.Pixel, area.right(), tick.Pixel);
    }
}

void PaintChartScales(QPainter &painter, const TChartAppearance &look, const QFont &font, const QRect &client,
                      const TPlotMapping &mapping, const TChartScales &scales)
{
    const QRect &area = mapping.Area;
    painter.setFont(font);
    if (!area.isEmpty()) {
        painter.setPen(QPen(look.ScaleColor, 1));
        const auto columnOf = [&](double x) { return mapping.Column(x); };
        const auto rowOf = [&](double y) { return mapping.Row(y); };
        PaintXScale(painter, look, mapping, PlaceTicks(scales.X, area.left(), area.right(), columnOf),
                    client.right() + 1);
        PaintYScale(painter, look, mapping, PlaceTicks(scales.Y, area.top(), area.bottom(), rowOf));
    }
    // The caption centred over the plot, the ordinate's caption at the top left; both in the
    // top rim.
    painter.setPen(look.FontColor);
    if (!look.Caption.isEmpty())
        painter.drawText(QRect(area.left(), client.top(), area.width(), look.TRim), Qt::AlignCenter, look.Caption);
    if (!look.IdOrdinate.isEmpty())
        painter.drawText(QRect(client.left() + 4, client.top(), client.width() - 8, look.TRim),
                         Qt::AlignLeft | Qt::AlignVCenter, look.IdOrdinate);
}
