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

#include <gtest/gtest.h>

namespace {

const QString SourceFolder = QStringLiteral(ZELTAR_DOC_SOURCE_DIR);
const QStringList WindowPictures{"main-window", "viewer", "file-manager", "analyser"};

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

void WritePicture(const QString &path, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    ASSERT_TRUE(picture.save(path));
}

} // namespace

TEST(BuiltHelpDocuments, AreCompletePdfsWithTheirPagesBesideTheProgram)
{
    for (const THelpDocument &help : HelpDocuments()) {
        SCOPED_TRACE(help.PdfName.toStdString());
        const QByteArray pdf = ReadWholeFile(BuiltResources() + help.PdfName);
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
        const int pages = PdfPageCount(pdf);
        EXPECT_EQ(pages, pdf.count("/Type /Page\n")); // the tree counts every page object
        if (help.SourceName.startsWith("manual"))
            EXPECT_GE(pages, 10);
        else
            EXPECT_GE(pages, 2);
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
        QStringList expected = WindowPictures;
        expected.sort();
        EXPECT_EQ(names, expected) << source.toStdString();
    }
}

TEST(Screenshots, PicturesFoundAreScaledToTheColumnAndMissingOnesLeaveNoTrace)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WritePicture(folder.filePath("wide.png"), 2000, 500);
    const QString html = "<p>Before.</p>"
                         "<p class=\"figure\"><img src=\"screenshot:wide\"/><br/>Caption of the wide one</p>"
                         "<p class=\"figure\"><img src=\"screenshot:absent\"/><br/>Caption of the absent one</p>"
                         "<p>After.</p>";
    QTextDocument document;
    document.setHtml(html);
    const int blocksBefore = document.blockCount();
    PlaceScreenshots(document, folder.path(), 600, 400);

    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains("Caption of the wide one"));
    EXPECT_FALSE(text.contains("Caption of the absent one"));
    EXPECT_EQ(document.blockCount(), blocksBefore - 1);
    EXPECT_EQ(ScreenshotNames(document), QStringList{"wide"});
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

TEST(Screenshots, ManualsKeepExactlyThePicturesGiven)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WritePicture(folder.filePath("viewer.png"), 1056, 701);
    const TBuiltDocument manual = BuildHelpDocument(QDir(SourceFolder).filePath("manual-en.html"), folder.path(), false);
    EXPECT_EQ(ScreenshotNames(*manual.Document), QStringList{"viewer"});
    EXPECT_TRUE(manual.Document->toPlainText().contains("The record viewer."));
    EXPECT_FALSE(manual.Document->toPlainText().contains("The main window while listening."));
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
    try {
        WritePdf(*risk.Document, "/nonexistent-folder/Risk ENG.pdf", {risk.Title, false});
        FAIL() << "no error";
    } catch (const std::runtime_error &error) {
        EXPECT_TRUE(QString(error.what()).contains("/nonexistent-folder/Risk ENG.pdf"));
    }
}

TEST(DocGenCommand, RefusesABadCommandLineAndNamesAMissingSource)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const TProgramRun usage = RunBuiltProgram("zeltar-doc-gen", {folder.path()});
    EXPECT_EQ(usage.ExitCode, 2);
    EXPECT_TRUE(usage.Errors.contains("usage"));

    const TProgramRun missing = RunBuiltProgram("zeltar-doc-gen", {folder.filePath("out"), folder.filePath("no-sources")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Errors.contains("manual-en.html"));
    EXPECT_TRUE(QDir(folder.filePath("out")).isEmpty());
}
