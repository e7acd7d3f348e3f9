#pragma once
// The message boxes the user sees: QMessageBox behind the message-box seam.

#include "model/MessageBoxSeam.h"

TMsgAnswer ShowQtMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons);

// Makes ShowQtMessageBox the program's message-box handler.
void InstallQtMessageBoxes();
