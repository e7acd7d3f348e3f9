#include "app/RiskScaleBox.h"

#include "charts/RiskScale.h"

#include <QPainter>

void TRiskScaleBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintRiskScale(painter, rect(), font());
}
