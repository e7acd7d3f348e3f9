// The report in the program's language: the same record gives the same numbers in French and
// Italian as in English, under translated headings, and English again once the translators go.

#include "report/RecordReport.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/RecordFiles.h"

#include <QRegularExpression>

namespace {

class ReportLanguage : public ReportFixture {
protected:
    // The report's text without the footer (it carries the moment it was made).
    QString ReportText(const QString &log, const QString &pdfName) const
    {
        const QString pdf = App.Paths().AppDir + pdfName;
        SaveRecordReport(pdf, {log, RecordMeta(log), TPopulation::Sensitive, TTargetState::Sleep});
        QStringList lines = PdfText(pdf).split('\n');
        lines.removeIf([](const QString &line) { return line.contains("ZELTAR Logger"); });
        return lines.join('\n');
    }
};

// Every number on the pages, sorted: a longer text may move a number to another line.
QStringList Numbers(const QString &text)
{
    QStringList numbers;
    for (const auto &match : QRegularExpression(R"(\d+(?:[.,]\d+)*)").globalMatch(text))
        numbers << match.captured();
    numbers.sort();
    return numbers;
}

TEST_F(ReportLanguage, FrenchAndItalianCarryTranslatedHeadingsAndTheSameNumbersAsEnglish)
{
    const QString log = SampleLog();
    const QString english = ReportText(log, "en.pdf");
    ASSERT_TRUE(english.contains("Statistics") && english.contains("population: Sensitive, state: Sleep"));

    const std::vector<std::pair<TLanguage, QStringList>> languages{
        {TLanguage::French,
         {"Enregistrement", "Statistiques", "Graphiques", "Opérateur", "Échantillons", "Moyenne",
          "Exposition par rapport aux niveaux de référence ICNIRP 2020", "Fréquences de crête les plus fréquentes",
          "Très faible", "Extrême", "sensible", "sommeil"}},
        {TLanguage::Italian,
         {"Registrazione", "Statistiche", "Operatore", "Campioni", "Media",
          "Esposizione rispetto ai livelli di riferimento ICNIRP 2020", "Frequenze di picco più ricorrenti",
          "Molto basso", "Estremo", "sensibile", "sonno"}},
    };
    for (const auto &[language, headings] : languages) {
        QString translated;
        {
            const TLanguageGuard guard(language);
            translated = ReportText(log, LanguageCode(language) + ".pdf");
        }
        SCOPED_TRACE(LanguageCode(language).toStdString());
        for (const QString &heading : headings)
            EXPECT_TRUE(translated.contains(heading)) << heading.toStdString();
        for (const char *english : {"Statistics", "Charts", "Most frequent peak frequencies", "Very low",
                                    "population: Sensitive"})
            EXPECT_FALSE(translated.contains(english)) << english;
        // The numbers keep the notation of the system's locale whatever the language.
        EXPECT_EQ(Numbers(translated), Numbers(english));
    }
    // The language goes with the translators: English again once they are gone.
    EXPECT_EQ(ReportText(log, "again.pdf"), english);
}

} // namespace
