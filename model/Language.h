#pragma once
// The languages of the program's interface. Only what the user reads changes with the
// language: files, their names and contents, and what other programs read stay in English.

#include <QLocale>
#include <QString>

#include <optional>

enum class TLanguage { English, French, Italian };

// "en", "fr", "it": as the options file keeps the choice and the catalogues are named.
QString LanguageCode(TLanguage language);
std::optional<TLanguage> LanguageFromCode(const QString &code);

// The user's choice, else the system's language: French or Italian in any region, else English.
TLanguage ProgramLanguage(std::optional<TLanguage> choice, const QLocale &system);
