// The sample record's report read back with pdftotext against numbers worked out here from its
// samples; the one pass over a log; the pictures of charts; failures that leave nothing behind.

#include "model/InOutError.h"
#include "model/Units.h"
#include "report/ChartPicture.h"
#include "report/RecordDigest.h"
#include "report/RecordExport.h"
#include "report/RecordReport.h"
#include "report/ReportCharts.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordFiles.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace {

// The cells one after the other on a line of text, apart only by blanks.
void ExpectRow(const QString &text, QStringList cells)
{
    for (QString &cell : cells)
        cell = QRegularExpression::escape(cell);
    const QRegularExpression row(cells.join(R"(\s+)"));
    EXPECT_TRUE(row.match(text).hasMatch()) << row.pattern().toStdString();
}

// Each risk category's row: its samples, their time at 1 s each and their share. The
// thresholds are every 10 dB above 1 µW/m², halves to the even neighbour; offset -10 general
// wake, +10 sensitive sleep.
void ExpectCategoryRows(const QString &text, const std::vector<float> &densities, int offset)
{
    const auto time = [](int samples) {
        const int minutes = int(std::lround(samples / 60.0));
        return samples > 0 && minutes == 0 ? QString("< 1 min") : QString("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
    };
    std::array<int, 6> counts{};
    for (const float density : densities) {
        const double base = density > 0 ? std::max(std::nearbyint(10 * std::log10(double(density)) + 30), -99.0) : -99;
        const int index = int(base) + offset;
        ++counts[std::size_t(index <= 0 ? 0 : std::min((index - 1) / 10 + 1, 5))];
    }
    for (std::size_t category = 0; category < counts.size(); ++category)
        ExpectRow(text, {RiskCategoryNames[category], QString::number(counts[category]), time(counts[category]),
                         QString::asprintf("%.1f %%", 100.0 * counts[category] / double(densities.size()))});
}

using Report = ReportFixture;

TEST_F(Report, OfTheSampleRecordCarriesItsMetadataStatisticsAndRiskShares)
{
    const QString log = SampleLog();
    const QString pdf = App.Paths().AppDir + "report.pdf";
    SaveRecordReport(pdf, {log, RecordMeta(log)});
    const QString text = PdfText(pdf);
    for (const char *expected : {"M. Rossi", "Bedroom, bedside table", "Router in the hall, DECT base on the desk",
                                 "1 sec", "0 dB", "~ 20 minutes", "ZELTAR Logger 0.8.5", "History",
                                 "Histogram of dBmW/m²", "population: General, state: Wake"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;

    std::vector<float> densities;  // the sample record is in mW/m²
    for (const TSampleRecord &record : LogRecords(log))
        densities.push_back(record.Value);
    const auto [minimum, maximum] = std::minmax_element(densities.begin(), densities.end());
    const double mean = std::accumulate(densities.begin(), densities.end(), 0.0) / double(densities.size());
    const auto shown = [&](double value) { return FormatValue(DisplayDecimals(*maximum), value) + " mW/m²"; };
    ExpectRow(text, {"Samples", "1200"});
    ExpectRow(text, {"Maximum", shown(*maximum)});
    ExpectRow(text, {"Minimum", shown(*minimum)});
    ExpectRow(text, {"Mean", shown(mean)});
    ExpectRow(text, {"Range", QString::number(std::nearbyint(10 * std::log10(double(*maximum) / *minimum))) + " dB"});
    ExpectCategoryRows(text, densities, -10);

    SaveRecordReport(pdf, {log, RecordMeta(log), TPopulation::Sensitive, TTargetState::Sleep});
    const QString sleeping = PdfText(pdf);
    EXPECT_TRUE(sleeping.contains("population: Sensitive, state: Sleep"));
    ExpectCategoryRows(sleeping, densities, 10);
}

TEST_F(Report, DigestCountsFrequenciesAndTakesNonFiniteReadingsAsZero)
{
    std::vector<TSampleRecord> samples = {{1.0f, 2450}, {1.0f, 2450}, {1.0f, 900}, {1.0f, 900},
                                          {1.0f, 0},    {NAN, 0},     {INFINITY, 1800}};
    // Eleven frequencies seen once each: only the lowest ones make the list of ten.
    for (std::uint16_t frequency = 100; frequency < 111; ++frequency)
        samples.push_back({0.5f, frequency});
    const TRecordDigest digest = DigestRecord(WriteLog(App.Paths().LogDir, "made", samples), UnitMWm2, 1.0,
                                              TPopulation::General, TTargetState::Wake, {});
    // The infinite reading counts as 0.
    EXPECT_EQ(std::tuple(digest.Statistics.Maximum(), digest.Statistics.Minimum()), std::tuple(1.0, 0.0));
    EXPECT_EQ(digest.SamplesWithFrequency, samples.size() - 2);
    ASSERT_EQ(digest.TopFrequencies.size(), 10u);
    // Two each: the lower frequency first.
    const std::vector<TFrequencyCount> &top = digest.TopFrequencies;
    EXPECT_EQ(std::tuple(top[0].Frequency, top[1].Frequency, top[9].Frequency), std::tuple(900, 2450, 107));
    // 1 and 0.5 mW/m² are "Moderate" for the general population awake; 0 is "Very low".
    EXPECT_EQ(std::tuple(digest.CategorySamples[0], digest.CategorySamples[2]), std::tuple(2u, samples.size() - 2));
}

TEST_F(Report, PicturesShowTheChartsAndAFailedPictureReportOrCsvExportLeavesNoFileBehind)
{
    const auto charts = MakeRecordCharts(SampleLog(), RecordMeta(SampleLog()), TPopulation::General, TTargetState::Wake,
                                       QSize(640, 300));
    const std::vector<const TChartWidget *> both{&charts->Time, &charts->Histogram};
    SaveChartPicture(App.Paths().AppDir + "charts.png", both);
    const QImage picture(App.Paths().AppDir + "charts.png");
    ASSERT_EQ(picture.size(), QSize(640, 600));
    const auto countOf = [&](const QRect &area, QRgb colour) {
        const QImage part = picture.copy(area).convertToFormat(QImage::Format_RGB32);  // rows without padding
        const auto *pixels = reinterpret_cast<const QRgb *>(part.constBits());
        return std::count(pixels, pixels + part.width() * part.height(), colour | 0xFF000000u);
    };
    EXPECT_GT(countOf(charts->Time.PlotArea(), charts->Time.Appearance().DataColor.rgb()), 100); // the marks
    // The tallest bar, in the palette's colour of its level.
    const QRgb tallest = RiskColor(HistogramClassRiskIndex(-21, TPopulation::General, TTargetState::Wake)).rgb();
    EXPECT_GT(countOf(charts->Histogram.PlotArea().translated(0, 300), tallest), 200);
    SaveChartPicture(App.Paths().AppDir + "charts.svg", both);
    const QByteArray document = ReadWholeFile(App.Paths().AppDir + "charts.svg");
    EXPECT_TRUE(document.contains("width=\"640\"") && document.contains("History")) << document.left(400).toStdString();

    // No picture's suffix, and a folder that cannot exist: its parent is a plain file.
    const QString blocker = App.WriteFile("blocker", "x");
    EXPECT_THROW(SaveChartPicture(App.Paths().AppDir + "charts.jpg", {&charts->Time}), EInOutError);
    EXPECT_THROW(SaveChartPicture(blocker + "/charts.png", {&charts->Time}), EInOutError);
    EXPECT_EQ(QDir(App.Paths().AppDir).entryList({"charts*"}), (QStringList{"charts.png", "charts.svg"}));
    // A report is written whole or not at all.
    EXPECT_THROW(SaveRecordReport(blocker + "/report.pdf", {SampleLog(), RecordMeta(SampleLog())}), EInOutError);
    EXPECT_FALSE(QFile::exists(blocker + "/report.pdf"));
    const QString old = App.WriteFile("old.pdf", "old report");
    EXPECT_THROW(SaveRecordReport(old, {App.Paths().LogDir + "missing.zlog", {}}), EInOutError);
    EXPECT_EQ(ReadWholeFile(old), "old report");

    const QString large = WriteLog(App.Paths().LogDir, "large", std::vector<TSampleRecord>(40000, Sample(0.5f, 2450)));
    const QString small = WriteLog(App.Paths().LogDir, "small", {Sample(1.0f, 900)});
    // The CSV sink fails on the only block (written at the end) and on a later block of a long export.
    for (const auto &[log, failingCall] : {std::pair{small, 1}, std::pair{large, 2}}) {
        int calls = 0;
        const auto sink = [&, failing = failingCall](const char *, std::size_t) {
            if (++calls == failing)
                throw EInOutError("disk full");
        };
        EXPECT_THROW(WriteCsv(sink, log, TMetaData{}, TPopulation::General, TTargetState::Wake, {}), EInOutError);
        EXPECT_EQ(calls, failingCall);
    }
}

} // namespace
