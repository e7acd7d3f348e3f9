#include "tools/doc-gen/HelpDocuments.h"

#include "tools/doc-gen/DocumentSource.h"
#include "tools/doc-gen/DocumentStyle.h"
#include "tools/doc-gen/PdfPages.h"
#include "tools/doc-gen/RiskTableHtml.h"
#include "tools/doc-gen/RiskThresholds.h"
#include "tools/doc-gen/Screenshots.h"

#include "model/Risk.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <QUrl>

#include <stdexcept>

namespace {

// A screenshot never takes more than this share of a page, so its caption stays with it.
constexpr double ScreenshotPageShare = 0.5;

bool LoadPaletteFrom(const QString &folder)
{
    return QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Risk Palette.bmp"))) && LoadRiskPalette(folder);
}

} // namespace

const std::vector<THelpDocument> &HelpDocuments()
{
    static const std::vector<THelpDocument> documents{
        {QStringLiteral("manual-en.html"), QStringLiteral("ZELTAR Logger User Manual.pdf")},
        {QStringLiteral("manual-fr.html"), QStringLiteral("ZELTAR Logger Manuel Utilisateur.pdf")},
        {QStringLiteral("risk-en.html"), QStringLiteral("Risk ENG.pdf")},
        {QStringLiteral("risk-fr.html"), QStringLiteral("Risk FRA.pdf")},
        {QStringLiteral("risk-it.html"), QStringLiteral("Risk ITA.pdf")},
    };
    return documents;
}

TBuiltDocument BuildHelpDocument(const QString &sourcePath, const QString &screenshotFolder, bool withRiskColours)
{
    TDocumentSource source = ReadDocumentSource(sourcePath);
    ExpandMarkers(source, withRiskColours);

    TBuiltDocument built{std::make_unique<QTextDocument>(), source.Title, source.HasCover};
    QTextDocument &document = *built.Document;
    document.setDefaultFont(HelpBodyFont());
    document.setDefaultStyleSheet(HelpStyleSheet());
    document.setHtml(source.Html);
    if (withRiskColours)
        for (int category = 0; category < RiskCategoryCount; ++category)
            document.addResource(QTextDocument::ImageResource, QUrl(RiskColourImageName(category)),
                                 RiskColourStrip(category));
    PlaceScreenshots(document, screenshotFolder, BodyWidthInDocumentPixels(),
                     BodyHeightInDocumentPixels() * ScreenshotPageShare);
    return built;
}

void GenerateHelpDocuments(const QString &outputFolder, const QString &sourceFolder, const QString &screenshotFolder)
{
    const QDir output(outputFolder);
    if (!output.mkpath(QStringLiteral(".")))
        throw std::runtime_error(QStringLiteral("cannot create the folder %1").arg(outputFolder).toStdString());
    const bool withRiskColours = LoadPaletteFrom(outputFolder);
    for (const THelpDocument &help : HelpDocuments()) {
        TBuiltDocument built =
            BuildHelpDocument(QDir(sourceFolder).filePath(help.SourceName), screenshotFolder, withRiskColours);
        WritePdf(*built.Document, output.filePath(help.PdfName), {built.Title, built.HasCover});
    }
}
