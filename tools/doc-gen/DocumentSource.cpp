#include "tools/doc-gen/DocumentSource.h"

#include "tools/doc-gen/ContentsTable.h"
#include "tools/doc-gen/RiskTableHtml.h"
#include "tools/doc-gen/RiskThresholds.h"

#include <QFile>
#include <QRegularExpression>

#include <stdexcept>

namespace {

[[noreturn]] void Fail(const QString &path, const QString &reason)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(path, reason).toStdString());
}

QString FirstCapture(const QString &html, const QString &pattern)
{
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption |
                                                     QRegularExpression::DotMatchesEverythingOption);
    return expression.match(html).captured(1).trimmed();
}

} // namespace

TDocumentSource ReadDocumentSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, file.errorString());
    TDocumentSource source;
    source.Html = QString::fromUtf8(file.readAll());
    source.Language = FirstCapture(source.Html, QStringLiteral(R"re(<html[^>]*\blang="([^"]+)")re"));
    source.Title = FirstCapture(source.Html, QStringLiteral("<title>(.*?)</title>"));
    source.HasCover = source.Html.contains(QStringLiteral("class=\"cover"));
    if (source.Language.isEmpty())
        Fail(path, QStringLiteral("the <html> element names no language"));
    if (source.Title.isEmpty())
        Fail(path, QStringLiteral("the document has no <title>"));
    return source;
}

void ExpandMarkers(TDocumentSource &source, bool withColours)
{
    const QString contentsMarker = QStringLiteral("<!--contents-->");
    const QString riskMarker = QStringLiteral("<!--risk-table-->");
    if (source.Html.contains(riskMarker))
        source.Html.replace(riskMarker, RiskTablesHtml(ComputeRiskThresholds(), source.Language, withColours));
    if (source.Html.contains(contentsMarker))
        source.Html.replace(contentsMarker, ContentsTableHtml(SectionHeadings(source.Html), source.Language));
}
