#include "windows/RiskScaleStrip.h"

#include "charts/RiskScale.h"
#include "dialogs/WidgetStyle.h"

#include <QPainter>

TRiskScaleStrip::TRiskScaleStrip(const QColor &textColour, QWidget *parent) : QWidget(parent), TextColour(textColour)
{
    setFont(NamedFont(QStringLiteral("Corbel"), 15, QFont::Normal, QFont::SansSerif));
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
    PaintRiskScale(painter, rect(), font(), TextColour);
}
