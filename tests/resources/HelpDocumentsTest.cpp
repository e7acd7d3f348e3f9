// The help documents: the PDFs the build lays out beside the program, and the risk tables in
// their text, read through the generator's own document path (the PDF streams are compressed).

#include "tools/doc-gen/ContentsTable.h"
#include "tools/doc-gen/HelpDocuments.h"
#include "tools/doc-gen/PdfPages.h"
#include "tools/doc-gen/RiskTableHtml.h"
#include "tools/doc-gen/RiskThresholds.h"

#include "model/Risk.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/TempAppDir.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

// The manuals show the four window pictures the build makes, the risk tables a colour strip
// per category.
TEST(BuiltHelpDocuments, AreCompletePdfsWithTheirPagesAndPicturesBesideTheProgram)
{
    static const QRegularExpression pageTree(R"(/Type /Pages\s.*?/Count (\d+))",
                                             QRegularExpression::DotMatchesEverythingOption);
    for (const THelpDocument &help : HelpDocuments()) {
        SCOPED_TRACE(help.PdfName.toStdString());
        const QByteArray pdf = ReadWholeFile(BuiltProgramPath("Resources/" + help.PdfName));
        EXPECT_TRUE(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
        const int pages = pageTree.match(QString::fromLatin1(pdf)).captured(1).toInt();
        EXPECT_EQ(pages, pdf.count("/Type /Page\n")); // the tree counts every page object
        const bool manual = help.SourceName.startsWith("manual");
        EXPECT_GE(pages, manual ? 10 : 2);
        EXPECT_EQ(pdf.count("/Subtype /Image"), manual ? 4 : RiskCategoryCount);
    }
}

TEST(HelpDocumentText, RiskDocumentsPrintEveryComputedLimitAndNameTheCategoriesAsTheProgramDoes)
{
    const auto columns = ComputeRiskThresholds();
    for (const auto &[source, language] : {std::pair{"risk-en.html", "en"}, std::pair{"risk-fr.html", "fr"},
                                           std::pair{"risk-it.html", "it"}}) {
        SCOPED_TRACE(source);
        const QString text = BuildHelpDocument(QDir(ZELTAR_DOC_SOURCE_DIR).filePath(source), {}, false)
                                 .Document->toPlainText();
        for (const TRiskColumn &column : columns)
            for (const TRiskBand &band : column.Bands)
                for (const auto &limit : {band.DensityUpTo, band.FieldUpTo})
                    EXPECT_TRUE(!limit || text.contains(SignificantText(*limit, 4, language))) << limit.value_or(0);
        for (const QString &name : RiskCategoryNames)
            EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
}

// The contents list each section with the page it starts on: rising, after the cover, within
// the document.
TEST(HelpDocumentPages, ContentsGiveThePageEachSectionStartsOn)
{
    QTemporaryDir folder;
    const QString source = QDir(ZELTAR_DOC_SOURCE_DIR).filePath("manual-en.html");
    const TBuiltDocument manual = BuildHelpDocument(source, {}, false);
    const int pages = WritePdf(*manual.Document, folder.filePath("manual.pdf"), {manual.Title, manual.HasCover});
    const QStringList lines = manual.Document->toPlainText().split('\n');
    static const QRegularExpression section(R"(^\d+\. )");
    int previous = 2, listed = 0;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const int page = lines[i + 1].toInt();
        if (!section.match(lines[i]).hasMatch() || page == 0)
            continue;
        EXPECT_TRUE(page >= previous && page <= pages) << lines[i].toStdString() << " on page " << page;
        previous = page;
        ++listed;
    }
    EXPECT_GT(listed, 0);
    EXPECT_EQ(listed, SectionHeadings(QString::fromUtf8(ReadWholeFile(source))).size());
}
