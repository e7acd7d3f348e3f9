#pragma once
// The program's name and version, for every place that shows them: the main window's caption
// and the footer of a record's report. The version is the project's, from the build files.

#include <QString>

// Constant-initialised, so that the texts below may be made from it at any point of start-up.
extern const char ProgramVersionNumber[];

inline const QString ProgramName = QStringLiteral("ZELTAR Logger");
inline const QString ProgramVersion = QString::fromLatin1(ProgramVersionNumber);
