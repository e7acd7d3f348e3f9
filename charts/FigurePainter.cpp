#include "charts/FigurePainter.h"

#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// Cuts the segment p-q to the rectangle (Liang-Barsky); false when nothing of it is inside.
bool ClipSegment(QPointF &p, QPointF &q, const QRectF &box)
{
    const double dx = q.x() - p.x();
    const double dy = q.y() - p.y();
    double enter = 0.0;
    double leave = 1.0;
    const double steps[4] = {-dx, dx, -dy, dy};
    const double room[4] = {p.x() - box.left(), box.right() - p.x(), p.y() - box.top(), box.bottom() - p.y()};
    for (int side = 0; side < 4; ++side) {
        if (steps[side] == 0) {
            if (!(room[side] >= 0))
                return false;
            continue;
        }
        const double t = room[side] / steps[side];
        if (steps[side] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (!(enter <= leave))
        return false;
    const QPointF start = p;
    p = start + QPointF(dx, dy) * enter;
    q = start + QPointF(dx, dy) * leave;
    return true;
}

// Halves round up, as for the centres of marks.
int RoundedPixel(double position)
{
    return int(std::floor(position + 0.5));
}

// Pixel column or row, held within reach pixels of the range first..last.
int HeldPixel(double position, int first, int last, int reach)
{
    return RoundedPixel(std::clamp(position, double(first - reach), double(last + reach)));
}

// The one-pixel outline of the rectangle from (left, top) to (right, bottom), inclusive;
// nothing when the corners are the wrong way round.
void Outline(QPainter &painter, int left, int top, int right, int bottom, QRgb colour)
{
    if (right < left || bottom < top)
        return;
    const QColor pen = QColor::fromRgb(colour);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, top)), pen);
    painter.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), pen);
    painter.fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), pen);
    painter.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), pen);
}

} // namespace

void PaintLine(QPainter &painter, const TPlotMapping &mapping, const TLineItem &line)
{
    const double ends[4] = {mapping.Column(line.X1), mapping.Row(line.Y1), mapping.Column(line.X2), mapping.Row(line.Y2)};
    if (std::any_of(std::begin(ends), std::end(ends), [](double v) { return std::isnan(v); }))
        return;
    // Infinite ends are brought to a finite distance first; the clip then cuts them back.
    constexpr double far = 1e12;
    QPointF from(std::clamp(ends[0], -far, far), std::clamp(ends[1], -far, far));
    QPointF to(std::clamp(ends[2], -far, far), std::clamp(ends[3], -far, far));
    const double reach = line.Width + 2;
    if (!ClipSegment(from, to, QRectF(mapping.Area).adjusted(-reach, -reach, reach, reach)))
        return;
    const QPoint start(RoundedPixel(from.x()), RoundedPixel(from.y()));
    const QPoint end(RoundedPixel(to.x()), RoundedPixel(to.y()));
    QPen pen(QColor::fromRgb(line.Colour), line.Width);
    pen.setCapStyle(line.Width > 1 ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    if (start == end)
        painter.drawPoint(start);
    else
        painter.drawLine(start, end);
}

void PaintBar(QPainter &painter, const TPlotMapping &mapping, const TBarItem &bar)
{
    const double x1 = mapping.Column(bar.X1);
    const double x2 = mapping.Column(bar.X2);
    const double y1 = mapping.Row(bar.Y1);
    const double y2 = mapping.Row(bar.Y2);
    if (std::isnan(x1) || std::isnan(x2) || std::isnan(y1) || std::isnan(y2))
        return;
    // Held two pixels outside the area: the edges there stay outside the clip.
    const QRect &area = mapping.Area;
    const int left = HeldPixel(std::min(x1, x2), area.left(), area.right(), 2);
    const int right = HeldPixel(std::max(x1, x2), area.left(), area.right(), 2);
    const int top = HeldPixel(std::min(y1, y2), area.top(), area.bottom(), 2);
    const int bottom = HeldPixel(std::max(y1, y2), area.top(), area.bottom(), 2);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), QColor::fromRgb(bar.Fill));
    if (bar.EdgeStyle == 2) {
        Outline(painter, left + 1, top + 1, right, bottom, bar.EdgeColor1);
        Outline(painter, left, top, right - 1, bottom - 1, bar.EdgeColor2);
    }
}

void PaintFigures(QPainter &painter, const TPlotMapping &mapping, const TFigureRun &figures)
{
    for (std::size_t i = figures.Begin; i < figures.Figures.size(); ++i) {
        if (const auto *line = std::get_if<TLineItem>(&figures.Figures[i]))
            PaintLine(painter, mapping, *line);
        else
            PaintBar(painter, mapping, std::get<TBarItem>(figures.Figures[i]));
    }
}
