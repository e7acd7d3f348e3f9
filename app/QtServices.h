#pragma once
// The services the user meets: QMessageBox, the system clock, std::_Exit, the desktop's
// programs, QFileDialog, QSoundEffect, the desktop's notification service over D-Bus,
// QProgressDialog and the application's override cursor.

#include "model/Services.h"

#include <memory>

class QMessageBox;
class QProgressDialog;

TServices QtServices();

// The box the real services show: the program's title, the kind's icon, the buttons, and the
// text with its line breaks (the program's texts end lines with CR, as the meter's port does).
std::unique_ptr<QMessageBox> MakeQtMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons);

// The progress window the real services show, window-modal over parent, at 0 and not yet up:
// it comes up after the request's delay and stays, even at its maximum, until it is ended.
std::unique_ptr<QProgressDialog> MakeQtProgressDialog(const TProgressRequest &request, QWidget *parent);
