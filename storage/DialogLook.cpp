#include "storage/DialogLook.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QToolButton>
#include <QWidget>

QFont SitkaTextFont(int pixelHeight)
{
    QFont font(QStringLiteral("Sitka Text"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelHeight);
    return font;
}

void SetColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

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

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
