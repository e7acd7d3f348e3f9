#include "tools/doc-gen/ContentsTable.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>
#include <optional>
#include <vector>

namespace {

const QString PageAnchorPrefix = QStringLiteral("contents-page-");

QString ContentsTitle(const QString &language)
{
    if (language == QLatin1String("fr"))
        return QStringLiteral("Sommaire");
    if (language == QLatin1String("it"))
        return QStringLiteral("Indice");
    return QStringLiteral("Contents");
}

std::vector<int> SectionPages(QTextDocument &document, double pageHeight)
{
    std::vector<int> pages;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 2)
            pages.push_back(static_cast<int>(std::floor(layout->blockBoundingRect(block).top() / pageHeight)) + 1);
    return pages;
}

struct TPageNumberCell {
    std::size_t Section;
    // The format that carries the anchor, kept for the number written in its place.
    QTextCharFormat Format;
};

// The section whose page number a paragraph of the contents table holds, if it is one.
std::optional<TPageNumberCell> PageNumberCellOf(const QTextBlock &block)
{
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QTextCharFormat format = fragment.fragment().charFormat();
        for (const QString &name : format.anchorNames())
            if (name.startsWith(PageAnchorPrefix))
                return TPageNumberCell{name.mid(PageAnchorPrefix.size()).toUInt(), format};
    }
    return std::nullopt;
}

} // namespace

QStringList SectionHeadings(const QString &html)
{
    static const QRegularExpression heading(QStringLiteral("<h2[^>]*>(.*?)</h2>"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList headings;
    for (const QRegularExpressionMatch &match : heading.globalMatch(html))
        headings.append(match.captured(1).remove(tag).simplified());
    return headings;
}

QString ContentsTableHtml(const QStringList &headings, const QString &language)
{
    QString html = QStringLiteral("<p class=\"contents-title\">%1</p>\n"
                                  "<table class=\"contents\" width=\"100%\" cellspacing=\"0\">\n")
                       .arg(ContentsTitle(language));
    for (qsizetype i = 0; i < headings.size(); ++i)
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\" width=\"12%\"><a name=\"%2%3\">00</a></td></tr>\n")
                    .arg(headings[i], PageAnchorPrefix)
                    .arg(i);
    return html + QStringLiteral("</table>\n");
}

bool FillContentsPageNumbers(QTextDocument &document, double pageHeight)
{
    struct TEdit {
        QTextBlock Cell;
        QTextCharFormat Format;
        QString Number;
    };
    const std::vector<int> pages = SectionPages(document, pageHeight);
    std::vector<TEdit> edits;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const std::optional<TPageNumberCell> cell = PageNumberCellOf(block);
        if (!cell || cell->Section >= pages.size())
            continue;
        const QString number = QString::number(pages[cell->Section]);
        if (block.text() != number)
            edits.push_back({block, cell->Format, number});
    }
    // From the end, so that earlier positions stay valid.
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        // The number is alone in its cell: the whole paragraph is replaced, whichever part of it
        // carries the anchor.
        QTextCursor cursor(edit->Cell);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(edit->Number, edit->Format);
    }
    return !edits.empty();
}
