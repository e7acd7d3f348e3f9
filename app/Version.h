#pragma once
// The main window's caption once it is shown, with the program's version.

#include <QString>

inline const QString VersionCaption = QStringLiteral(" ZELTAR Logger  - version 0.8.5 ");
