// The help documents: the PDFs the build lays out beside the program, and the text that goes
// into them, read through the generator's own HTML-to-document path (the PDF streams are
// compressed).

#include "tools/doc-gen/ContentsTable.h"
#include "tools/doc-gen/HelpDocuments.h"
#include "tools/doc-gen/PdfPages.h"
#include "tools/doc-gen/RiskTableHtml.h"
#include "tools/doc-gen/RiskThresholds.h"
#include "tools/doc-gen/Screenshots.h"

#include "model/Risk.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/TempAppDir.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

const QString SourceFolder = QStringLiteral(ZELTAR_DOC_SOURCE_DIR);

QString BuiltResources()
{
    return BuiltProgramPath("Resources/");
}

QString PlainText(const QString &sourceName, const QString &screenshots = {})
{
    return BuildHelpDocument(QDir(SourceFolder).filePath(sourceName), screenshots, false).Document->toPlainText();
}

// The page count of the PDF's page tree.
int PdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression pages(R"(/Type /Pages\s.*?/Count (\d+))",
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pages.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

TEST(BuiltHelpDocuments, AreCompletePdfsWithTheirPagesBesideTheProgram)
{
    for (const THelpDocument &help : HelpDocuments()) {
        SCOPED_TRACE(help.PdfName.toStdString());
        const QByteArray pdf = ReadWholeFile(BuiltResources() + help.PdfName);
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_TRUE(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
        const int pages = PdfPageCount(pdf);
        EXPECT_EQ(pages, pdf.count("/Type /Page\n")); // the tree counts every page object
        EXPECT_GE(pages, help.SourceName.startsWith("manual") ? 10 : 2);
    }
}

TEST(HelpDocumentText, ManualsDescribeTheProgramOnLinuxWithItsOwnTexts)
{
    for (const QString &source : {QStringLiteral("manual-en.html"), QStringLiteral("manual-fr.html")}) {
        SCOPED_TRACE(source.toStdString());
        const QString text = PlainText(source);
        for (const char *expected :
             {"/dev/ttyUSB", "/dev/ttyACM", "dialout", "install-menu-entry.sh", "Log/Archive",
              "Please connect a ZELTAR device first",
              "The requirred pdf file has not been found. Please reinstall the application.",
              "Please make sure the ZELTAR device is on HOLD before proceeding (if not, the application may crush)"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_TRUE(PlainText("manual-fr.html").contains("Présentation de ZELTAR Logger"));
}

TEST(HelpDocumentText, RiskDocumentsCarryTheComputedTablesInTheirOwnNumberFormat)
{
    const auto columns = ComputeRiskThresholds();
    const double generalSleepVeryLowTop = *columns[1].Bands[0].DensityUpTo;
    for (const auto &[source, language] : {std::pair{"risk-en.html", "en"}, std::pair{"risk-fr.html", "fr"},
                                           std::pair{"risk-it.html", "it"}}) {
        SCOPED_TRACE(source);
        const QString text = PlainText(source);
        EXPECT_FALSE(text.contains("risk-table"));
        const QString limit = SignificantText(generalSleepVeryLowTop, 4, language);
        EXPECT_TRUE(text.contains(limit)) << limit.toStdString();
        for (const QString &name : RiskCategoryNames)
            EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
}

TEST(HelpDocumentText, ManualsOnlyAskForTheWindowPicturesTheBuildMakes)
{
    for (const QString &source : {QStringLiteral("manual-en.html"), QStringLiteral("manual-fr.html")}) {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(ReadWholeFile(QDir(SourceFolder).filePath(source))));
        QStringList names = ScreenshotNames(document);
        names.sort();
        EXPECT_EQ(names, QStringList({"analyser", "file-manager", "main-window", "viewer"})) << source.toStdString();
    }
}

TEST(Screenshots, PicturesFoundAreScaledToTheColumnAndMissingOnesLeaveNoTrace)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage wide(2000, 500, QImage::Format_RGB32);
    wide.fill(Qt::darkGray);
    ASSERT_TRUE(wide.save(folder.filePath("wide.png")));
    const QString html = "<p>Before.</p>"
                         "<p class=\"figure\"><img src=\"screenshot:wide\"/><br/>Caption of the wide one</p>"
                         "<p class=\"figure\"><img src=\"screenshot:absent\"/><br/>Caption of the absent one</p>"
                         "<p>After.</p>";
    QTextDocument document;
    document.setHtml(html);
    const int blocksBefore = document.blockCount();
    PlaceScreenshots(document, folder.path(), 600, 400);

    EXPECT_EQ(document.toPlainText(), "Before.\n\uFFFC\nCaption of the wide one\nAfter.");
    EXPECT_EQ(document.blockCount(), blocksBefore - 1);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                EXPECT_DOUBLE_EQ(image.width(), 600);
                EXPECT_DOUBLE_EQ(image.height(), 150);
                EXPECT_FALSE(document.resource(QTextDocument::ImageResource, QUrl(image.name())).isNull());
            }

    QTextDocument without;
    without.setHtml(html);
    PlaceScreenshots(without, QString(), 600, 400);
    EXPECT_EQ(without.toPlainText(), "Before.\nAfter.");
}

TEST(PdfPages, ContentsGiveThePageEachSectionStartsOn)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TBuiltDocument manual = BuildHelpDocument(QDir(SourceFolder).filePath("manual-en.html"), QString(), false);
    const int pages = WritePdf(*manual.Document, folder.filePath("manual.pdf"), {manual.Title, manual.HasCover});
    EXPECT_EQ(PdfPageCount(ReadWholeFile(folder.filePath("manual.pdf"))), pages);

    // The contents list each section with a page number; they rise with the sections and stay
    // within the document, after the cover.
    const QStringList lines = manual.Document->toPlainText().split('\n');
    int previous = 2, listed = 0;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        static const QRegularExpression section(R"(^(\d+)\. )");
        if (!section.match(lines[i]).hasMatch() || lines[i + 1].toInt() == 0)
            continue;
        const int page = lines[i + 1].toInt();
        EXPECT_GE(page, previous) << lines[i].toStdString();
        EXPECT_LE(page, pages);
        previous = page;
        ++listed;
    }
    EXPECT_EQ(listed, SectionHeadings(QString::fromUtf8(ReadWholeFile(QDir(SourceFolder).filePath("manual-en.html"))))
                          .size());
}

TEST(PdfPages, AFileThatCannotBeWrittenIsReportedByName)
{
    TBuiltDocument risk = BuildHelpDocument(QDir(SourceFolder).filePath("risk-en.html"), QString(), false);
    EXPECT_THAT([&] { WritePdf(*risk.Document, "/nonexistent-folder/Risk ENG.pdf", {risk.Title, false}); },
                ::testing::ThrowsMessage<std::runtime_error>(::testing::HasSubstr("/nonexistent-folder/Risk ENG.pdf")));
}

TEST(DocGenCommand, RefusesABadCommandLineAndNamesAMissingSource)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(RunBuiltProgram("zeltar-doc-gen", {folder.path()}).ExitCode, 2);

    const TProgramRun missing = RunBuiltProgram("zeltar-doc-gen", {folder.filePath("out"), folder.filePath("no-sources")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Errors.contains("manual-en.html"));
    EXPECT_TRUE(QDir(folder.filePath("out")).isEmpty());
}
