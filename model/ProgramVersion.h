#pragma once
// The program's name and version, for every place that shows them: the main window's caption
// and the footer of a record's report.

#include <QString>

inline const QString ProgramName = QStringLiteral("ZELTAR Logger");
inline const QString ProgramVersion = QStringLiteral("0.8.5");
