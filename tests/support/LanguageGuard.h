#pragma once
// Runs a test in a language: its translators installed while the guard lives, English again
// afterwards.

#include "translations/Translators.h"

class TLanguageGuard {
public:
    explicit TLanguageGuard(TLanguage language) { InstallTranslators(language); }
    ~TLanguageGuard() { InstallTranslators(TLanguage::English); }
    TLanguageGuard(const TLanguageGuard &) = delete;
    TLanguageGuard &operator=(const TLanguageGuard &) = delete;
};
