#include "windows/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace {

constexpr int GapBeforeWidget = 6;

} // namespace

QRect TElidedLabel::TextArea() const
{
    QRect area = contentsRect();
    for (const QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisible() && child->x() > area.left())
            area.setRight(std::min(area.right(), child->x() - GapBeforeWidget));
    return area;
}

QString TElidedLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(TextArea().width(), 0));
}

QSize TElidedLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void TElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, TextArea(), int(alignment()), palette(), isEnabled(), ShownText(),
                          foregroundRole());
}
