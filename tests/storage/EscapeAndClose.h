#pragma once
// What the user does to get rid of a dialog without its buttons: Escape, then the window
// manager's close.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

// Shows the dialog, presses Escape and closes it as the window manager does; true when it
// is still open afterwards, without an accepted result.
inline bool StaysOpenOnEscapeAndClose(QDialog &dialog)
{
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    const bool closed = dialog.close();
    return !closed && dialog.isVisible() && dialog.result() != QDialog::Accepted;
}
