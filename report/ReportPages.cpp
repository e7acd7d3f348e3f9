#include "report/ReportPages.h"

#include "charts/ChartPrint.h"
#include "model/ProgramVersion.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "report/ReportCharts.h"
#include "storage/DateTimeConvert.h"
#include "storage/LocaleTimeText.h"
#include "storage/FileUtils.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double PageWidth = 1000;
constexpr int PageCount = 2;
// Marks rasterised at twice the chart's resolution: about 280 dots per inch on the page.
constexpr int MarkScale = 2;
constexpr double RowHeight = 25;
constexpr int BodyPixels = 16;

const QColor Ink(0x3B, 0x3B, 0x3B);
const QColor Faint(0x80, 0x80, 0x80);
const QColor Rule(0xC8, 0xC8, 0xC8);
// A colour of each category from the risk palette: the middle of its ten indexes.
constexpr std::array<int, 6> CategoryColourIndex{0, 5, 15, 25, 35, 39};

QFont ReportFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString Percent(std::uint64_t part, std::uint64_t whole)
{
    if (whole == 0)
        return QStringLiteral("-");
    return QLocale::system().toString(100.0 * double(part) / double(whole), 'f', 1) + QStringLiteral(" %");
}

class TPage {
public:
    TPage(QPainter &painter, double height) : Painter(painter), Height(height) {}

    // Text in a box of width at x, wrapped at words; returns its height.
    double Text(double x, double y, double width, const QString &text, int pixels = BodyPixels, bool bold = false,
                Qt::Alignment align = Qt::AlignLeft, const QColor &colour = Ink)
    {
        Painter.setFont(ReportFont(pixels, bold));
        Painter.setPen(colour);
        const int flags = int(align) | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF box = Painter.boundingRect(QRectF(x, y, width, Height), flags, text);
        Painter.drawText(QRectF(x, y, width, box.height()), flags, text);
        return std::max(box.height(), double(pixels) * 1.2);
    }

    // A heading ruled below; returns the height it takes.
    double Heading(double y, const QString &text, double x = 0, double width = PageWidth)
    {
        const double height = Text(x, y, width, text, 20, true);
        Painter.fillRect(QRectF(x, y + height + 2, width, 1.5), Rule);
        return height + 12;
    }

    // "key" and value rows in a column; returns the column's height.
    double Rows(double x, double y, double keyWidth, double valueWidth,
                const std::vector<std::pair<QString, QString>> &rows)
    {
        double top = y;
        for (const auto &[key, value] : rows) {
            Text(x, top, keyWidth, key, BodyPixels, true);
            top += std::max(RowHeight, Text(x + keyWidth, top, valueWidth, value) + 5);
        }
        return top - y;
    }

    void Footer(const QString &left, const QString &right)
    {
        const double y = Height - 22;
        Painter.fillRect(QRectF(0, y - 6, PageWidth, 1), Rule);
        Text(0, y, PageWidth * 0.75, left, 13, false, Qt::AlignLeft, Faint);
        Text(PageWidth * 0.75, y, PageWidth * 0.25, right, 13, false, Qt::AlignRight, Faint);
    }

    QPainter &Painter;
    const double Height;
};

std::vector<std::pair<QString, QString>> MetadataRows(const TReportRequest &request, std::uint64_t samples,
                                                      const TReportTexts &texts)
{
    const TMetaData &meta = request.Meta;
    return {
        {texts.Operator, meta.Operator.Text()},
        {texts.Place, meta.Place.Text()},
        {texts.Notes, meta.Notes.Text()},
        {texts.Start, LocaleDateTimeText(FromTDateTime(meta.StartTime))},
        {texts.Interval, IntervalName(meta.Interval).value_or(QString())},
        {texts.Unit, UnitName(meta.Unit).value_or(QString())},
        {texts.Correction, texts.CorrectionValue.arg(meta.Correction)},
        {texts.Duration, RecordDurationText(samples, meta.Interval)},
        {texts.Samples, QString::number(samples)},
    };
}

// The viewer's numbers with the viewer's decimals; the mode is a power density whatever the unit.
std::vector<std::pair<QString, QString>> StatisticsRows(const TRecordDigest &digest, std::uint8_t unit,
                                                        const TReportTexts &texts)
{
    if (digest.Samples() == 0)
        return {{texts.Maximum, {}}, {texts.Minimum, {}}, {texts.Mean, {}}, {texts.Range, {}}, {texts.Mode, {}}};
    const TSampleStatistics &statistics = digest.Statistics;
    const std::uint8_t decimals = DisplayDecimals(statistics.Maximum());
    const QString unitName = u' ' + UnitName(unit).value_or(QString());
    return {
        {texts.Maximum, FormatValue(decimals, statistics.Maximum()) + unitName},
        {texts.Minimum, FormatValue(decimals, statistics.Minimum()) + unitName},
        {texts.Mean, FormatValue(decimals, statistics.Mean()) + unitName},
        {texts.Range, texts.RangeValue.arg(statistics.RangeDB())},
        {texts.Mode, FormatValue(decimals, statistics.ModeValue()) + u' ' + UnitName(UnitMWm2).value_or(QString())},
    };
}

void PaintChart(QPainter &painter, const TChartWidget &chart, double y)
{
    painter.save();
    painter.translate(0, y);
    PrintChart(chart, painter, MarkScale);
    painter.restore();
}

void PaintFirstPage(TPage &page, const TReportRequest &request, const TRecordCharts &charts,
                    const TReportTexts &texts)
{
    double y = page.Text(0, 0, PageWidth, texts.Title.arg(QFileInfo(request.LogPath).fileName()), 26, true) + 20;
    page.Heading(y, texts.StatisticsHeading, 600, 400);
    y += page.Heading(y, texts.RecordHeading, 0, 560);
    const double metadata = page.Rows(0, y, 130, 430, MetadataRows(request, charts.Digest.Samples(), texts));
    const double statistics =
        page.Rows(600, y, 130, 270, StatisticsRows(charts.Digest, request.Meta.Unit, texts));
    y += std::max(metadata, statistics) + 20;
    y += page.Heading(y, texts.ChartsHeading);
    PaintChart(page.Painter, charts.Time, y);
    PaintChart(page.Painter, charts.Histogram, y + ReportChartSize.height() + 16);
}

void PaintCategoryBar(QPainter &painter, double y, const TRecordDigest &digest)
{
    const double height = 34;
    painter.fillRect(QRectF(0, y, PageWidth, height), QColor(0xEE, 0xEE, 0xEE));
    double x = 0;
    for (std::size_t category = 0; category < digest.CategorySamples.size(); ++category) {
        const double width = digest.Samples() == 0
                                 ? 0
                                 : PageWidth * double(digest.CategorySamples[category]) / double(digest.Samples());
        painter.fillRect(QRectF(x, y, width, height), RiskColor(CategoryColourIndex[category]));
        x += width;
    }
    painter.setPen(QPen(Rule, 1));
    painter.drawRect(QRectF(0, y, PageWidth, height));
}

void PaintSecondPage(TPage &page, const TReportRequest &request, const TRecordDigest &digest,
                     const TReportTexts &texts)
{
    const auto population = std::size_t(request.Population == TPopulation::Sensitive);
    const auto state = std::size_t(request.State == TTargetState::Sleep);
    double y = page.Heading(0, texts.RiskHeading.arg(texts.Populations[population], texts.States[state]));
    page.Text(40, y, 360, texts.Category, BodyPixels, true);
    page.Text(400, y, 250, texts.SampleCount, BodyPixels, true, Qt::AlignRight);
    page.Text(650, y, 200, texts.Share, BodyPixels, true, Qt::AlignRight);
    y += RowHeight + 4;
    for (std::size_t category = 0; category < RiskCategoryNames.size(); ++category) {
        page.Painter.fillRect(QRectF(0, y + 2, 26, 18), RiskColor(CategoryColourIndex[category]));
        page.Text(40, y, 360, RiskCategoryNames[category]);
        page.Text(400, y, 250, QString::number(digest.CategorySamples[category]), BodyPixels, false, Qt::AlignRight);
        page.Text(650, y, 200, Percent(digest.CategorySamples[category], digest.Samples()), BodyPixels, false,
                  Qt::AlignRight);
        y += RowHeight;
    }
    y += 12;
    PaintCategoryBar(page.Painter, y, digest);
    y += 34 + 40;

    y += page.Heading(y, texts.FrequenciesHeading);
    if (digest.TopFrequencies.empty()) {
        page.Text(0, y, PageWidth, texts.NoFrequencies);
        return;
    }
    page.Text(40, y, 360, texts.Frequency, BodyPixels, true);
    page.Text(400, y, 250, texts.SampleCount, BodyPixels, true, Qt::AlignRight);
    page.Text(650, y, 200, texts.Share, BodyPixels, true, Qt::AlignRight);
    y += RowHeight + 4;
    for (const TFrequencyCount &entry : digest.TopFrequencies) {
        page.Text(40, y, 360, QString::number(entry.Frequency));
        page.Text(400, y, 250, QString::number(entry.Samples), BodyPixels, false, Qt::AlignRight);
        page.Text(650, y, 200, Percent(entry.Samples, digest.SamplesWithFrequency), BodyPixels, false,
                  Qt::AlignRight);
        y += RowHeight;
    }
    page.Text(0, y + 10, PageWidth, texts.FrequencyBase.arg(digest.SamplesWithFrequency), 14, false, Qt::AlignLeft,
              Faint);
}

} // namespace

void PaintReportPages(QPdfWriter &writer, const TReportRequest &request, const TRecordCharts &charts,
                      const TReportTexts &texts, const QDateTime &created)
{
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                     QPageLayout::Millimeter));
    writer.setResolution(600);
    QPainter painter(&writer);
    const double scale = double(writer.width()) / PageWidth;
    painter.scale(scale, scale);
    TPage page(painter, double(writer.height()) / scale);
    const QString footer = texts.Footer.arg(ProgramName, ProgramVersion, LocaleDateTimeText(created));

    PaintFirstPage(page, request, charts, texts);
    page.Footer(footer, texts.Page.arg(1).arg(PageCount));
    writer.newPage();
    PaintSecondPage(page, request, charts.Digest, texts);
    page.Footer(footer, texts.Page.arg(2).arg(PageCount));
}
