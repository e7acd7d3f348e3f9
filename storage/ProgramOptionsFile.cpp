#include "storage/ProgramOptionsFile.h"

#include "storage/KeyValueFile.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

const QString CategoryKey = QStringLiteral("AlertCategory");
const QString LevelKey = QStringLiteral("AlertLevel");
const QString HoldKey = QStringLiteral("AlertHoldSeconds");
const QString ToneKey = QStringLiteral("AlertTone");
const QString LanguageKey = QStringLiteral("Language");

std::optional<double> FiniteNumber(const QString &text)
{
    bool read = false;
    const double value = text.toDouble(&read);
    return read && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

QString NumberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// The file's lines with those of the same keys replaced by lines, which go at the end.
void ReplaceLines(const QString &path, const TKeyValues &replacements)
{
    TKeyValues lines = ReadKeyValueFile(path);
    std::erase_if(lines, [&](const auto &line) {
        return std::any_of(replacements.begin(), replacements.end(),
                           [&](const auto &replacement) { return replacement.first == line.first; });
    });
    lines.insert(lines.end(), replacements.begin(), replacements.end());
    WriteKeyValueFile(path, lines);
}

} // namespace

TAlertOptions ReadAlertOptions(const QString &path)
{
    TAlertOptions options;
    for (const auto &[key, value] : ReadKeyValueFile(path)) {
        if (key == CategoryKey) {
            bool read = false;
            const int category = value.toInt(&read);
            if (read && category >= 0 && category <= 5)
                options.Limit.Category = category;
        } else if (key == LevelKey) {
            // Empty: the category is the limit.
            options.Limit.Level = FiniteNumber(value);
        } else if (key == HoldKey) {
            if (const std::optional<double> hold = FiniteNumber(value); hold && *hold >= 0)
                options.Limit.HoldSeconds = *hold;
        } else if (key == ToneKey && (value == QLatin1String("1") || value == QLatin1String("0"))) {
            options.Tone = value == QLatin1String("1");
        }
    }
    return options;
}

void WriteAlertOptions(const QString &path, const TAlertOptions &options)
{
    const TAlertLimit &limit = options.Limit;
    const TKeyValues alertLines = {
        {CategoryKey, QString::number(limit.Category.value_or(*TAlertLimit{}.Category))},
        {LevelKey, limit.Level ? NumberText(*limit.Level) : QString()},
        {HoldKey, NumberText(limit.HoldSeconds)},
        {ToneKey, options.Tone ? QStringLiteral("1") : QStringLiteral("0")},
    };
    ReplaceLines(path, alertLines);
}

std::optional<TLanguage> ReadLanguageChoice(const QString &path)
{
    std::optional<TLanguage> choice;
    for (const auto &[key, value] : ReadKeyValueFile(path))
        if (key == LanguageKey)
            choice = LanguageFromCode(value);
    return choice;
}

void WriteLanguageChoice(const QString &path, TLanguage language)
{
    ReplaceLines(path, {{LanguageKey, LanguageCode(language)}});
}
