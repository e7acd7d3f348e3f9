#include "charts/RiskScale.h"

#include "model/Risk.h"

#include <QFontMetrics>

std::array<int, 6> RiskScaleTextPositions(int width, const std::array<int, 6> &textWidths)
{
    const int step = width / 5;
    std::array<int, 6> positions{};
    positions[0] = 3;
    for (int i = 1; i <= 4; ++i)
        positions[std::size_t(i)] = i * step - textWidths[std::size_t(i)] / 2;
    positions[5] = width - textWidths[5] - 4;
    return positions;
}

void PaintRiskScale(QPainter &painter, const QRect &box, const QFont &font, const QColor &textColour)
{
    painter.save();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    std::array<int, 6> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i)
        widths[i] = metrics.horizontalAdvance(RiskCategoryDisplayName(i));
    const std::array<int, 6> positions = RiskScaleTextPositions(box.width(), widths);
    painter.setPen(textColour);
    const int baseline = box.top() + 1 + metrics.ascent();
    for (std::size_t i = 0; i < positions.size(); ++i)
        painter.drawText(box.left() + positions[i], baseline, RiskCategoryDisplayName(i));
    painter.setPen(QColor(105, 105, 105));
    painter.drawLine(box.left(), box.bottom(), box.right(), box.bottom());
    painter.restore();
}
