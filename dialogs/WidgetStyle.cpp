#include "dialogs/WidgetStyle.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <initializer_list>

namespace {

void Recolour(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void Fill(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    Recolour(widget, roles, colour);
    widget->setAutoFillBackground(true);
}

} // namespace

QFont NamedFont(const QString &family, int pixelHeight, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelHeight);
    return font;
}

QFont NamedFont(const QString &family, int pixelHeight, QFont::Weight weight, QFont::StyleHint hint)
{
    QFont font = NamedFont(family, pixelHeight, hint);
    font.setWeight(weight);
    return font;
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    Recolour(widget, {QPalette::WindowText}, colour);
}

void SetAllTextColours(QWidget *widget, const QColor &colour)
{
    Recolour(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colour);
}

void SetBackground(QWidget *widget, const QColor &colour)
{
    Fill(widget, {QPalette::Window}, colour);
}

void SetBackgroundAndBase(QWidget *widget, const QColor &colour)
{
    Fill(widget, {QPalette::Window, QPalette::Base}, colour);
}

void SetColours(QWidget *widget, const QColor &text, const QColor &background)
{
    SetAllTextColours(widget, text);
    Fill(widget, {QPalette::Window, QPalette::Base, QPalette::Button}, background);
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
