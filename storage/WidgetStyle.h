#pragma once
// Fonts and colours of the main window's controls, set the way the window's design gives
// them: a font by family name and pixel height, text and background colours.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The family when it is installed; otherwise Qt picks the nearest one of the hinted kind.
QFont NamedFont(const QString &family, int pixelHeight, QFont::StyleHint hint = QFont::AnyStyle);

// Colour of captions, titles and choice texts (the window text), in every state, disabled
// included: the window decides its greys itself.
void SetTextColour(QWidget *widget, const QColor &colour);
void SetBackground(QWidget *widget, const QColor &colour);

inline const QColor WindowGrey(69, 69, 69);
inline const QColor LineGrey(105, 105, 105);
