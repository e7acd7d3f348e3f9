#include "dialogs/DialogLook.h"

#include "dialogs/WidgetStyle.h"

#include <QFrame>
#include <QToolButton>

QToolButton *NewImageButton(const QString &text, QStyle::StandardPixmap picture, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QFrame *NewBand(int height, const QColor &colour, QWidget *parent)
{
    auto *band = new QFrame(parent);
    band->setFixedHeight(height);
    SetColours(band, colour, colour);
    return band;
}
