#pragma once
// The file-save dialog that names an imported record (AskSaveFileName in model/Services.h).

#include "model/Services.h"

// The request of the import: its title, the log filter and suffix, the Log folder, and the
// name the session proposes there.
TSaveFileRequest ImportSaveRequest(const QString &logDir, const QString &proposedFile);
