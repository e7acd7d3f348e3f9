#pragma once
// Fonts, colours and placement of the program's windows and controls, set the way their design
// gives them: a font by family name and pixel height, text and background colours, the greys
// the windows share.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

inline const QColor WindowGrey(69, 69, 69);
inline const QColor FieldGrey(0x27, 0x27, 0x27);
inline const QColor LineGrey(105, 105, 105);

// The family when it is installed; otherwise Qt picks the nearest one of the hinted kind.
QFont NamedFont(const QString &family, int pixelHeight, QFont::StyleHint hint = QFont::AnyStyle);
// The same with its weight fixed, whatever the weight of the parent's font.
QFont NamedFont(const QString &family, int pixelHeight, QFont::Weight weight, QFont::StyleHint hint);

// Colours are set for every state, disabled included: the windows decide their greys themselves.
// Captions, titles and choice texts (the window text).
void SetTextColour(QWidget *widget, const QColor &colour);
// A control's own texts as well: the window text, the text of fields and of buttons.
void SetAllTextColours(QWidget *widget, const QColor &colour);
// The colour behind a control, painted by the control itself.
void SetBackground(QWidget *widget, const QColor &colour);
// The same behind the control and inside its fields.
void SetBackgroundAndBase(QWidget *widget, const QColor &colour);
// All texts, and the colour behind the control, its fields and its buttons.
void SetColours(QWidget *widget, const QColor &text, const QColor &background);

// Places window in the middle of the screen it is on, whoever its parent is.
void CentreOnScreen(QWidget &window);
