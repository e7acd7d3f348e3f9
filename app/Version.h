#pragma once
// The main window's caption once it is shown, with the program's version.

#include "model/ProgramVersion.h"

#include <QString>

inline const QString VersionCaption = u' ' + ProgramName + QStringLiteral("  - version ") + ProgramVersion + u' ';
