#include "app/EdgePanel.h"

#include "dialogs/WidgetStyle.h"

#include <QPainter>

void TEdgePanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(LineGrey);
    painter.drawLine(0, 0, 0, height() - 1);
}
