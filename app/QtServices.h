#pragma once
// The services the user meets: QMessageBox, the system clock, std::_Exit, the desktop's
// programs, QFileDialog, QSoundEffect and the desktop's notification service over D-Bus.

#include "model/Services.h"

#include <memory>

class QMessageBox;

TServices QtServices();

// The box the real services show: the program's title, the kind's icon, the buttons, and the
// text with its line breaks (the program's texts end lines with CR, as the meter's port does).
std::unique_ptr<QMessageBox> MakeQtMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons);
