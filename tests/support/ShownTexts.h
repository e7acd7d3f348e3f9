#pragma once
// What a window shows a user in words, walked from its top-level widget: the window titles,
// labels, buttons, check and radio boxes, group boxes, combo box items, tabs, the column headers
// of tables and trees, tool tips, placeholders, and the menus and actions of the menu bar and of
// every widget. The walk shows the window first (offscreen in the tests), so that its layout
// has run.
//
// Three checks over it for a window in French or Italian: no text left in English that the
// catalogue translates, no label or button text wider than its widget has room for, and no
// accelerator shared within a menu.

#include "tests/support/Catalogue.h"

#include <QString>
#include <QStringList>

class QWidget;

// "Where: text" for each shown text that equals a source text the catalogue translates.
QStringList UntranslatedTexts(QWidget &window, const TCatalogue &catalogue);

// "Where: text (needs N px, has M)" for each label that neither wraps nor shows a picture, each
// button, check box, radio box and combo box whose text does not fit its widget.
QStringList CutOffTexts(QWidget &window);

// "Menu: &X in First, Second" for each accelerator that two visible items of one menu (or of
// the menu bar) share, through every menu of the window.
QStringList RepeatedAccelerators(QWidget &window);
