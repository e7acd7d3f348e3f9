#pragma once
// The program's own options, in a file of their own in the settings folder: the settings file
// of the main window keeps its lines and bytes. Key=Value lines (storage/KeyValueFile.h); the
// alerts' options and the language are each written without touching the other lines the file
// holds.

#include "model/AlertRule.h"
#include "model/Language.h"

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

// The language the user picked; none (the system's) when the file has no choice it can read.
std::optional<TLanguage> ReadLanguageChoice(const QString &path);
// Throws EInOutError.
void WriteLanguageChoice(const QString &path, TLanguage language);
