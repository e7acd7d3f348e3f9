#pragma once
// The services the user meets: QMessageBox, the system clock, std::_Exit, the desktop's
// programs and QFileDialog.

#include "model/Services.h"

TServices QtServices();
