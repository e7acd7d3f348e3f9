#pragma once
// The look the file manager's columns share: light yellow bold headings, white "Sitka Text"
// fields on dark grey, light image buttons and the grey column each part sits in.

#include <QColor>
#include <QFont>
#include <QString>

class QIcon;
class QLabel;
class QToolButton;
class QVBoxLayout;
class QWidget;

inline const QColor CaptionBlue(0xD3, 0xFA, 0xFE);

QFont FieldFont();
QFont CaptionFont();
QLabel *Heading(const QString &text, QWidget *parent);
QToolButton *ImageButton(const QIcon &icon, const QString &hint, QWidget *parent);
// White text on the dark grey of the lists and fields.
void StyleField(QWidget *field);
// Makes column one of the window's columns (220 pixels at least, window grey) and returns the
// layout its parts go in, top to bottom.
QVBoxLayout *MakeColumn(QWidget *column);
