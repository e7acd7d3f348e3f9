// The language the program starts in, the choice kept in the options file, and the
// translators that show the program's and Qt's own texts in it.

#include "model/Risk.h"
#include "storage/FileUtils.h"
#include "storage/ProgramOptionsFile.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/TempAppDir.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(Language, TheChoiceWinsElseTheSystemsLanguageInAnyRegionElseEnglish)
{
    EXPECT_EQ(ProgramLanguage(std::nullopt, QLocale(QStringLiteral("fr_FR"))), TLanguage::French);
    EXPECT_EQ(ProgramLanguage(std::nullopt, QLocale(QStringLiteral("fr_CA"))), TLanguage::French);
    EXPECT_EQ(ProgramLanguage(std::nullopt, QLocale(QStringLiteral("it_CH"))), TLanguage::Italian);
    EXPECT_EQ(ProgramLanguage(std::nullopt, QLocale(QStringLiteral("de_DE"))), TLanguage::English);
    EXPECT_EQ(ProgramLanguage(std::nullopt, QLocale::c()), TLanguage::English);
    EXPECT_EQ(ProgramLanguage(TLanguage::English, QLocale(QStringLiteral("fr_FR"))), TLanguage::English);
    EXPECT_EQ(ProgramLanguage(TLanguage::Italian, QLocale(QStringLiteral("de_DE"))), TLanguage::Italian);
}

TEST(Language, TheChoiceIsKeptInTheOptionsFileBesideTheOtherLines)
{
    const TempAppDir app;
    const QString path = app.WriteFile("Settings/" + ProgramOptionsFileName, "AlertTone=0\nLanguage=de\n");
    EXPECT_EQ(ReadLanguageChoice(path), std::nullopt);
    EXPECT_EQ(ReadLanguageChoice(app.Paths().SettingsDir + "Missing.ini"), std::nullopt);
    // French and Italian read back are the language menu's test.
    WriteLanguageChoice(path, TLanguage::English);
    EXPECT_EQ(ReadLanguageChoice(path), TLanguage::English);
    EXPECT_EQ(ReadWholeFile(path), "AlertTone=0\nLanguage=en\n");
}

TEST(Language, TheTranslatorsShowTheProgramsAndQtsTextsAndTheNamesInFilesStayEnglish)
{
    const auto highShown = [] { return RiskCategoryDisplayName(3); };
    const auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    {
        const TLanguageGuard french(TLanguage::French);
        EXPECT_EQ(highShown(), QStringLiteral("Élevé"));
        EXPECT_EQ(qtCancel(), QStringLiteral("Annuler"));
        EXPECT_EQ(RiskCategoryNames[3], QStringLiteral("High"));
        EXPECT_EQ(RiskCategoryName(25), QStringLiteral("High"));
        // Another language replaces the first.
        InstallTranslators(TLanguage::Italian);
        EXPECT_EQ(highShown(), QStringLiteral("Alto"));
        EXPECT_EQ(qtCancel(), QStringLiteral("Annulla"));
    }
    EXPECT_EQ(highShown(), QStringLiteral("High"));
    EXPECT_EQ(qtCancel(), QStringLiteral("Cancel"));
}

TEST(Language, ADurationIsWrittenWithEachLanguagesOwnPlurals)
{
    const std::uint32_t oneOfEach = 86400 + 3600 + 60 + 1;
    const std::uint32_t twoOfEach = 2 * oneOfEach;
    // The English ones are FileUtils' test.
    {
        const TLanguageGuard french(TLanguage::French);
        EXPECT_EQ(DurationText(oneOfEach), QStringLiteral("~ 1 jour ,1 heure, 1 minute, 1 seconde"));
        EXPECT_EQ(DurationText(twoOfEach), QStringLiteral("~ 2 jours ,2 heures, 2 minutes, 2 secondes"));
    }
    const TLanguageGuard italian(TLanguage::Italian);
    EXPECT_EQ(DurationText(oneOfEach), QStringLiteral("~ 1 giorno ,1 ora, 1 minuto, 1 secondo"));
    EXPECT_EQ(DurationText(twoOfEach), QStringLiteral("~ 2 giorni ,2 ore, 2 minuti, 2 secondi"));
}
