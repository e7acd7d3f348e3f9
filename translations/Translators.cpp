#include "translations/Translators.h"

#include "storage/ProgramOptionsFile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>> &Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void Install(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) {
        // Qt's own texts stay English without the system's catalogue; the program goes on.
        std::fprintf(stderr, "zeltar-logger: no catalogue %s in %s\n", qUtf8Printable(name), qUtf8Printable(folder));
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    Installed().push_back(std::move(translator));
}

} // namespace

TLanguage StartingLanguage(const QString &optionsFile)
{
    return ProgramLanguage(ReadLanguageChoice(optionsFile), QLocale::system());
}

void InstallTranslators(TLanguage language)
{
    for (const auto &translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    if (language == TLanguage::English)
        return;
    const QString code = LanguageCode(language);
    Install(QStringLiteral("zeltar_") + code, QStringLiteral(":/translations"));
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
