#include "charts/MarkShapes.h"

#include <QImage>

#include <array>

namespace {

std::vector<TFootprintRun> ReadFootprint(TMarkFigure figure)
{
    constexpr int centre = MaxMarkRadius + 2;
    QImage canvas(2 * centre + 1, 2 * centre + 1, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        DrawMarkShape(painter, QPoint(centre, centre), figure, Qt::white);
    }
    std::vector<TFootprintRun> runs;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixel(x, y) == qRgb(0, 0, 0))
                continue;
            if (!runs.empty() && runs.back().Dy == y - centre && runs.back().Dx1 == x - centre - 1)
                ++runs.back().Dx1;
            else
                runs.push_back({y - centre, x - centre, x - centre});
        }
    }
    return runs;
}

} // namespace

TMarkFigure FigureOfShape(std::uint8_t shape)
{
    switch (shape) {
    case ShapeSquare3: return mfSquare3;
    case ShapeDisc7: return mfDisc7;
    case ShapeDisc5: return mfDisc5;
    default: return mfDot;
    }
}

std::uint8_t MarkShapeFor(std::int64_t points)
{
    if (points > 300)
        return ShapeSquare3;
    return points <= 150 ? ShapeDisc7 : ShapeDisc5;
}

void DrawMarkShape(QPainter &painter, QPoint centre, TMarkFigure figure, QColor colour)
{
    switch (figure) {
    case mfDot:
        painter.fillRect(QRect(centre, QSize(1, 1)), colour);
        break;
    case mfSquare3:
        painter.fillRect(QRect(centre - QPoint(1, 1), QSize(3, 3)), colour);
        break;
    case mfDisc5:
    case mfDisc7:
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawEllipse(centre, figure == mfDisc7 ? 3 : 2, figure == mfDisc7 ? 3 : 2);
        break;
    }
}

const std::vector<TFootprintRun> &MarkFootprint(TMarkFigure figure)
{
    static const std::array<std::vector<TFootprintRun>, MarkFigureCount> footprints = {
        ReadFootprint(mfDot), ReadFootprint(mfSquare3), ReadFootprint(mfDisc5), ReadFootprint(mfDisc7)};
    return footprints[figure];
}
