#pragma once
// The look shared by the metadata and schedule dialogs: their colours, their title bar, their
// picture buttons and the bands between their rows.

#include <QColor>
#include <QString>
#include <QStyle>

class QFrame;
class QToolButton;
class QWidget;

inline const QColor DialogTextGrey(0x4D, 0x4D, 0x4D);
inline const QColor DialogBandGrey(0xF7, 0xF7, 0xF7);

// The title bar carries the caption alone: no close box, no system menu.
inline constexpr Qt::WindowFlags CaptionOnlyTitleBar = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// A flat button showing the style's picture for picture and the text beside it. Never a
// default button: Enter in a field does not press it.
QToolButton *NewImageButton(const QString &text, QStyle::StandardPixmap picture, QWidget *parent);

// A horizontal band of the given height between two rows.
QFrame *NewBand(int height, const QColor &colour, QWidget *parent);
