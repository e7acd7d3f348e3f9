#include "model/Language.h"

QString LanguageCode(TLanguage language)
{
    switch (language) {
    case TLanguage::French: return QStringLiteral("fr");
    case TLanguage::Italian: return QStringLiteral("it");
    case TLanguage::English: break;
    }
    return QStringLiteral("en");
}

std::optional<TLanguage> LanguageFromCode(const QString &code)
{
    for (const TLanguage language : {TLanguage::English, TLanguage::French, TLanguage::Italian})
        if (code == LanguageCode(language))
            return language;
    return std::nullopt;
}

TLanguage ProgramLanguage(std::optional<TLanguage> choice, const QLocale &system)
{
    if (choice)
        return *choice;
    switch (system.language()) {
    case QLocale::French: return TLanguage::French;
    case QLocale::Italian: return TLanguage::Italian;
    default: return TLanguage::English;
    }
}
