#include "tools/doc-gen/PdfPages.h"

#include "tools/doc-gen/ContentsTable.h"
#include "tools/doc-gen/DocumentStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTextDocument>

#include <stdexcept>

namespace {

// The contents' page numbers sit in a column of fixed width, so writing them hardly ever moves
// a section; a few rounds settle any case where it does.
constexpr int ContentsLayoutRounds = 3;

[[noreturn]] void Fail(const QString &path, const QString &reason)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(path, reason).toStdString());
}

void DrawFooter(QPainter &painter, const QRectF &band, const QString &title, int page, int pageCount)
{
    painter.save();
    painter.setPen(QPen(QColor(0x9f, 0xb3, 0xc4), 0));
    painter.drawLine(QPointF(band.left(), band.top()), QPointF(band.right(), band.top()));
    painter.setFont(HelpFooterFont());
    painter.setPen(QColor(0x4a, 0x55, 0x60));
    const QRectF text = band.adjusted(0, band.height() * 0.25, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(page).arg(pageCount));
    painter.restore();
}

} // namespace

int WritePdf(QTextDocument &document, const QString &path, const TPdfOptions &options)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(path, file.errorString());

    QPdfWriter writer(&file);
    writer.setPageLayout(HelpPageLayout());
    writer.setResolution(HelpPdfResolution);
    writer.setTitle(options.Title);
    writer.setCreator(QStringLiteral("ZELTAR Logger"));

    const QRectF paintRect = writer.pageLayout().paintRectPixels(HelpPdfResolution);
    const double footerHeight = FooterHeightMm / 25.4 * HelpPdfResolution;
    const QSizeF body(paintRect.width(), paintRect.height() - footerHeight);

    // Measure the text with the PDF's own resolution so that what is laid out is what is drawn.
    // The writer ends with this function: the document must not keep measuring with it.
    document.documentLayout()->setPaintDevice(&writer);
    const auto forgetWriter = qScopeGuard([&document] { document.documentLayout()->setPaintDevice(nullptr); });
    document.setDocumentMargin(0);
    document.setPageSize(body);
    for (int round = 0; round < ContentsLayoutRounds; ++round)
        if (!FillContentsPageNumbers(document, body.height()))
            break;

    const int pageCount = document.pageCount();
    QPainter painter;
    if (!painter.begin(&writer))
        Fail(path, QStringLiteral("cannot start the PDF"));
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        document.drawContents(&painter, view);
        painter.restore();
        if (!(options.HasCover && page == 0))
            DrawFooter(painter, QRectF(0, body.height(), body.width(), footerHeight), options.Title, page + 1,
                       pageCount);
    }
    if (!painter.end() || !file.commit())
        Fail(path, file.errorString());
    return pageCount;
}
