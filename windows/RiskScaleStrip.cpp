#include "windows/RiskScaleStrip.h"

#include "charts/RiskScale.h"
#include "model/Risk.h"
#include "windows/RecordWindowStyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const QColor StripText(0x1E, 0x1E, 0x1E);
const QColor BottomLine(105, 105, 105);

} // namespace

TRiskScaleStrip::TRiskScaleStrip(QWidget *parent) : QWidget(parent)
{
    setFont(StyledFont(QStringLiteral("Corbel"), 15, QFont::Normal, QFont::SansSerif));
}

// The names take the strip's height less 4 pixels.
void TRiskScaleStrip::resizeEvent(QResizeEvent *)
{
    QFont sized = font();
    sized.setPixelSize(std::max(1, height() - 4));
    setFont(sized);
}

void TRiskScaleStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    std::array<int, 6> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i)
        widths[i] = metrics.horizontalAdvance(RiskCategoryNames[i]);
    const std::array<int, 6> positions = RiskScaleTextPositions(width(), widths);
    painter.setPen(StripText);
    const int baseline = 1 + metrics.ascent();
    for (std::size_t i = 0; i < positions.size(); ++i)
        painter.drawText(positions[i], baseline, RiskCategoryNames[i]);
    painter.setPen(BottomLine);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
