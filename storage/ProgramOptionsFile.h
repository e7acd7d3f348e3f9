#pragma once
// The program's own options, in a file of their own in the settings folder: the settings file
// of the main window keeps its lines and bytes. Key=Value lines (storage/KeyValueFile.h); the
// alerts' options are written without touching the other lines the file holds.

#include "model/AlertRule.h"

#include <QString>

inline const QString ProgramOptionsFileName = QStringLiteral("Options.ini");

struct TAlertOptions {
    TAlertLimit Limit;
    bool Tone = true;

    bool operator==(const TAlertOptions &) const = default;
};

// A missing file, key or value that cannot be read leaves the default.
TAlertOptions ReadAlertOptions(const QString &path);
// Throws EInOutError.
void WriteAlertOptions(const QString &path, const TAlertOptions &options);
