#pragma once
// Help > Language: English, Français or Italiano, each named in its own language. The choice
// is kept in the program's options file and takes effect at the next start, which a one-line
// notice tells; the language in use is the one checked.

#include "model/Language.h"

class QMenu;
class QString;

void AddLanguageMenu(QMenu &help, const QString &optionsFile, TLanguage inUse);
