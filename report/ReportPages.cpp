#include "report/ReportPages.h"

#include "charts/ChartPrint.h"
#include "model/AlertEpisodes.h"
#include "model/Exposure.h"
#include "model/ProgramVersion.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "report/ReportCharts.h"
#include "storage/DateTimeConvert.h"
#include "storage/LocaleTimeText.h"
#include "storage/FileUtils.h"
#include "storage/RecordClock.h"
#include "storage/RecordReadings.h"

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
// The rest of a long list would run off the page: it is counted instead.
constexpr std::size_t ListedEpisodes = 10;

const QColor Ink(0x3B, 0x3B, 0x3B);
const QColor Faint(0x80, 0x80, 0x80);
const QColor Rule(0xC8, 0xC8, 0xC8);
const QColor Alarm(0xB0, 0x1E, 0x1E);
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

// A share with one decimal; one that has samples never reads "0.0 %".
QString Percent(std::uint64_t part, std::uint64_t whole, const TReportTexts &texts)
{
    if (whole == 0)
        return QStringLiteral("-");
    const QLocale locale = QLocale::system();
    const double percent = 100.0 * double(part) / double(whole);
    if (part > 0 && percent < 0.05)
        return texts.UnderATenth.arg(locale.toString(0.1, 'f', 1));
    return locale.toString(percent, 'f', 1) + QStringLiteral(" %");
}

// The time the samples of a category cover, in hours and minutes.
QString HoursMinutes(std::uint64_t samples, double interval, const TReportTexts &texts)
{
    const auto minutes = std::uint64_t(std::llround(double(samples) * interval / 60));
    if (samples > 0 && minutes == 0)
        return texts.UnderAMinute;
    return texts.HoursMinutes.arg(minutes / 60).arg(minutes % 60);
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

void PaintChart(QPainter &painter, const TChartWidget &chart, double y, const TTickMaker &xTicks = {})
{
    painter.save();
    painter.translate(0, y);
    PrintChart(chart, painter, MarkScale, xTicks);
    painter.restore();
}

// The damage of the record's files, framed, so that nobody takes its replacements for readings.
double PaintDamageNote(TPage &page, double y, const QStringList &damage, const TReportTexts &texts)
{
    if (damage.isEmpty())
        return 0;
    constexpr double Margin = 12;
    const double top = y;
    y += Margin;
    y += page.Text(Margin, y, PageWidth - 2 * Margin, texts.DamageHeading, BodyPixels, true, Qt::AlignLeft, Alarm);
    for (const QString &sentence : damage)
        y += page.Text(Margin, y + 4, PageWidth - 2 * Margin, sentence) + 4;
    y += Margin;
    page.Painter.setPen(QPen(Alarm, 2));
    page.Painter.setBrush(Qt::NoBrush);
    page.Painter.drawRect(QRectF(0, top, PageWidth, y - top));
    return y - top + 20;
}

void PaintFirstPage(TPage &page, const TReportRequest &request, const TRecordCharts &charts,
                    const TReportTexts &texts)
{
    double y = page.Text(0, 0, PageWidth, texts.Title.arg(QFileInfo(request.LogPath).fileName()), 26, true) + 20;
    y += PaintDamageNote(page, y, request.Damage, texts);
    page.Heading(y, texts.StatisticsHeading, 600, 400);
    y += page.Heading(y, texts.RecordHeading, 0, 560);
    const double metadata = page.Rows(0, y, 130, 430, MetadataRows(request, charts.Digest.Samples(), texts));
    const double statistics =
        page.Rows(600, y, 130, 270, StatisticsRows(charts.Digest, request.Meta.Unit, texts));
    y += std::max(metadata, statistics) + 20;
    y += page.Heading(y, texts.ChartsHeading);
    PaintChart(page.Painter, charts.Time, y, charts.TimeTicks());
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

// The table's columns: the name from x 40, then three right-aligned numbers.
constexpr double NameX = 40, NameWidth = 300;
constexpr std::array<double, 3> NumberRight{520, 720, 900};
constexpr double NumberWidth = 190;

void TableRow(TPage &page, double y, const QString &name, const std::array<QString, 3> &numbers, bool bold = false)
{
    page.Text(NameX, y, NameWidth, name, BodyPixels, bold);
    for (std::size_t column = 0; column < numbers.size(); ++column)
        if (!numbers[column].isEmpty())
            page.Text(NumberRight[column] - NumberWidth, y, NumberWidth, numbers[column], BodyPixels, bold,
                      Qt::AlignRight);
}

double PaintRiskCategories(TPage &page, double y, const TReportRequest &request, const TRecordDigest &digest,
                           const TReportTexts &texts)
{
    const auto population = std::size_t(request.Population == TPopulation::Sensitive);
    const auto state = std::size_t(request.State == TTargetState::Sleep);
    const double top = y;
    y += page.Heading(y, texts.RiskHeading.arg(texts.Populations[population], texts.States[state]));
    TableRow(page, y, texts.Category, {texts.SampleCount, texts.Time, texts.Share}, true);
    y += RowHeight + 4;
    const double interval = RecordInterval(request.Meta.Interval);
    for (std::size_t category = 0; category < RiskCategoryNames.size(); ++category) {
        const std::uint64_t samples = digest.CategorySamples[category];
        page.Painter.fillRect(QRectF(0, y + 2, 26, 18), RiskColor(CategoryColourIndex[category]));
        TableRow(page, y, RiskCategoryDisplayName(category),
                 {QString::number(samples), HoursMinutes(samples, interval, texts),
                  Percent(samples, digest.Samples(), texts)});
        y += RowHeight;
    }
    y += 12;
    PaintCategoryBar(page.Painter, y, digest);
    return y + 34 + 36 - top;
}

double PaintExposure(TPage &page, double y, const TReportRequest &request, const TRecordDigest &digest,
                     const TReportTexts &texts)
{
    const double top = y;
    const TExposure &exposure = digest.Exposure;
    const bool any = exposure.Samples() > 0;
    y += page.Heading(y, texts.ExposureHeading);
    const QString average = exposure.ShorterThanWindow() ? texts.WholeAverage : texts.HighestAverage;
    y += page.Rows(0, y, 330, 300,
                   {{average, any ? ExposurePercentText(exposure.HighestAverage()) : QString()},
                    {texts.HighestSample, any ? ExposurePercentText(exposure.PeakShare()) : QString()}});
    if (any && exposure.ShorterThanWindow())
        y += page.Text(0, y, PageWidth,
                       texts.ShortRecord.arg(RecordDurationText(exposure.Samples(),
                                                                RecordInterval(request.Meta.Interval))));
    y += 6 + page.Text(0, y + 6, PageWidth, texts.ExposureBasis, 14, false, Qt::AlignLeft, Faint);
    y += 4 + page.Text(0, y + 4, PageWidth, texts.BroadbandNote, 14, false, Qt::AlignLeft, Faint);
    return y + 36 - top;
}

QString SampleTimeText(const TRecordClock &clock, std::uint64_t sample)
{
    const TRecordStamp stamp = clock.SampleStamp(sample);
    return LocaleDateTimeText(QDateTime(QDate(1899, 12, 30).addDays(stamp.Day), QTime(0, 0).addMSecs(int(stamp.MsOfDay))));
}

double PaintAlertEpisodes(TPage &page, double y, const TReportRequest &request, const TRecordDigest &digest,
                          const TReportTexts &texts)
{
    const double top = y;
    const TAlertLimit limit;
    y += page.Heading(y, texts.EpisodesHeading.arg(RiskCategoryDisplayName(std::size_t(*limit.Category)))
                             .arg(limit.HoldSeconds));
    const std::vector<TAlertEpisode> &episodes = digest.AlertEpisodes;
    if (episodes.empty())
        return y + page.Text(0, y, PageWidth, texts.NoEpisodes) + 36 - top;
    TableRow(page, y, texts.EpisodeStart, {QString(), texts.EpisodeEnd, texts.EpisodePeak}, true);
    y += RowHeight + 4;
    const TRecordClock clock(request.Meta.StartTime, RecordInterval(request.Meta.Interval));
    const QString unit = u' ' + UnitName(request.Meta.Unit).value_or(QString());
    const std::size_t listed = std::min(episodes.size(), ListedEpisodes);
    for (std::size_t k = 0; k < listed; ++k) {
        const TAlertEpisode &episode = episodes[k];
        TableRow(page, y, SampleTimeText(clock, episode.StartSample),
                 {QString(), episode.Ended ? SampleTimeText(clock, episode.EndSample) : texts.StillOn,
                  FormatValue(DisplayDecimals(episode.Peak), episode.Peak) + unit});
        y += RowHeight;
    }
    if (listed < episodes.size())
        y += page.Text(0, y + 4, PageWidth, texts.MoreEpisodes.arg(episodes.size() - listed), 14, false,
                       Qt::AlignLeft, Faint) + 4;
    return y + 36 - top;
}

void PaintFrequencies(TPage &page, double y, const TRecordDigest &digest, const TReportTexts &texts)
{
    y += page.Heading(y, texts.FrequenciesHeading);
    if (digest.TopFrequencies.empty()) {
        page.Text(0, y, PageWidth, texts.NoFrequencies);
        return;
    }
    TableRow(page, y, texts.Frequency, {texts.SampleCount, {}, texts.Share}, true);
    y += RowHeight + 4;
    for (const TFrequencyCount &entry : digest.TopFrequencies) {
        TableRow(page, y, QString::number(entry.Frequency),
                 {QString::number(entry.Samples), {}, Percent(entry.Samples, digest.SamplesWithFrequency, texts)});
        y += RowHeight;
    }
    page.Text(0, y + 10, PageWidth, texts.FrequencyBase.arg(digest.SamplesWithFrequency), 14, false, Qt::AlignLeft,
              Faint);
}

void PaintSecondPage(TPage &page, const TReportRequest &request, const TRecordDigest &digest,
                     const TReportTexts &texts)
{
    double y = PaintRiskCategories(page, 0, request, digest, texts);
    y += PaintExposure(page, y, request, digest, texts);
    y += PaintAlertEpisodes(page, y, request, digest, texts);
    PaintFrequencies(page, y, digest, texts);
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
