#pragma once
// Fonts and colours of the record windows' controls, given the way their design names them:
// a font by family and pixel height, text and background colours.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The family when it is installed; otherwise Qt picks the nearest one of the hinted kind.
QFont StyledFont(const QString &family, int pixelHeight, QFont::Weight weight = QFont::Normal,
                 QFont::StyleHint hint = QFont::AnyStyle);

// The colour of a control's own text (window text and text roles), in every state.
void SetWidgetTextColour(QWidget *widget, const QColor &colour);
// The colour behind a control, painted by the control itself (window and base roles).
void SetWidgetBackground(QWidget *widget, const QColor &colour);
