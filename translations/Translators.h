#pragma once
// The translators of the running program: its own catalogue from the resources and Qt's own
// (standard buttons, file dialogs) from the system's translations folder, where it is there.
// Installed before any window is made, so every text is translated when it is set.

#include "model/Language.h"

// The language the program starts in: the one chosen in the options file at optionsFile,
// else the system's.
TLanguage StartingLanguage(const QString &optionsFile);

// Replaces the translators installed before; English installs none.
void InstallTranslators(TLanguage language);
