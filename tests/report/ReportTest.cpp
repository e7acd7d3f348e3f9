// The record report, its numbers and its charts: the sample record's report read back with
// pdfinfo and pdftotext against numbers worked out here from its samples, without the program's
// statistics or risk classes; the one pass over a log; the pictures of charts; failures that
// must leave nothing behind.

#include "charts/RChart.h"
#include "model/InOutError.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "report/ChartPicture.h"
#include "report/RecordDigest.h"
#include "report/RecordExport.h"
#include "report/RecordReport.h"
#include "report/ReportCharts.h"
#include "storage/LogFile.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TempAppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

namespace {

const QString SampleName = QStringLiteral("2025 01 07 - 09 05 03");

// The power densities (mW/m²) of a log; the copy keeps the sanitizer build from reading an
// empty QByteArray's shared byte.
std::vector<float> ReadDensities(const QString &logPath)
{
    const std::string bytes = ReadWholeFile(logPath).toStdString();
    std::vector<float> values(bytes.size() / 8);
    for (std::size_t i = 0; i < values.size(); ++i)
        std::memcpy(&values[i], bytes.data() + 8 * i, 4);
    return values;
}

// Each risk category's row: its samples and share. The thresholds are every 10 dB above
// 1 µW/m², halves to the even neighbour; offset -10 general wake, +10 sensitive sleep.
void ExpectCategoryRows(const QString &text, const std::vector<float> &densities, int offset)
{
    std::array<int, 6> counts{};
    for (const float density : densities) {
        const double base = density > 0 ? std::max(std::nearbyint(10 * std::log10(double(density)) + 30), -99.0) : -99;
        const int index = int(base) + offset;
        ++counts[std::size_t(index <= 0 ? 0 : std::min((index - 1) / 10 + 1, 5))];
    }
    for (std::size_t category = 0; category < counts.size(); ++category) {
        const QString share = QString::asprintf("%.1f %%", 100.0 * counts[category] / double(densities.size()));
        const QRegularExpression row(QRegularExpression::escape(RiskCategoryNames[category]) + R"(\s+)" +
                                     QString::number(counts[category]) + R"(\s+)" + QRegularExpression::escape(share));
        EXPECT_TRUE(row.match(text).hasMatch()) << row.pattern().toStdString();
    }
}

class Report : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(LoadRiskPalette(BuiltProgramPath("Resources/")));
    }

    // The sample record copied into the temporary Log folder.
    QString SampleLog() const
    {
        for (const char *extension : {".zlog", ".meta", ".histo"})
            QFile::copy(QStringLiteral(ZELTAR_SAMPLES_DIR "/") + SampleName + extension,
                        App.Paths().LogDir + SampleName + extension);
        return App.Paths().LogDir + SampleName + ".zlog";
    }

    TReportRequest Request(const QString &log, int population = 0, int state = 0) const
    {
        TReportRequest request{log, {}, population, state};
        ReadMetaFile(CompanionName(log, ".meta"), request.Meta);
        return request;
    }

    TempAppDir App;
};

TEST_F(Report, OfTheSampleRecordCarriesItsMetadataStatisticsAndRiskShares)
{
    const QString log = SampleLog();
    const QString pdf = App.Paths().AppDir + "report.pdf";
    SaveRecordReport(pdf, Request(log));

    EXPECT_TRUE(RunProgram("pdfinfo", {pdf}).OutputText().contains(QRegularExpression(R"(Pages:\s+[12]\n)")));
    const QString text = RunProgram("pdftotext", {"-layout", pdf, "-"}).OutputText();
    for (const char *expected : {"M. Rossi", "Bedroom, bedside table", "Router in the hall, DECT base on the desk",
                                 "1 sec", "0 dB", "~ 20 minutes", "ZELTAR Logger 0.8.5", "History",
                                 "Histogram of dBmW/m²", "population: General, state: Wake"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(QRegularExpression(R"(Samples\s+1200)").match(text).hasMatch());

    const std::vector<float> densities = ReadDensities(log);
    const double maximum = *std::max_element(densities.begin(), densities.end());
    const double minimum = *std::min_element(densities.begin(), densities.end());
    const double mean = std::accumulate(densities.begin(), densities.end(), 0.0) / double(densities.size());
    for (const auto &[name, value] :
         {std::pair{"Maximum", maximum}, std::pair{"Minimum", minimum}, std::pair{"Mean", mean}}) {
        const QRegularExpression row(QString(name) + R"(\s+)" +
                                     QRegularExpression::escape(FormatValue(DisplayDecimals(maximum), value) + " mW/m²"));
        EXPECT_TRUE(row.match(text).hasMatch()) << row.pattern().toStdString();
    }
    const double rangeDb = std::nearbyint(10 * std::log10(maximum / minimum));
    EXPECT_TRUE(QRegularExpression(R"(Range\s+)" + QString::number(rangeDb) + " dB").match(text).hasMatch());
    ExpectCategoryRows(text, densities, -10);

    SaveRecordReport(pdf, Request(log, PopulationSensitive, StateSleep));
    const QString sleeping = RunProgram("pdftotext", {"-layout", pdf, "-"}).OutputText();
    EXPECT_TRUE(sleeping.contains("population: Sensitive, state: Sleep"));
    ExpectCategoryRows(sleeping, densities, 10);
}

TEST_F(Report, DigestCountsFrequenciesAndTakesNonFiniteReadingsAsZero)
{
    std::vector<TSampleRecord> samples = {
        {1.0f, 2450}, {1.0f, 2450}, {1.0f, 900}, {1.0f, 900}, {1.0f, 0},
        {std::numeric_limits<float>::quiet_NaN(), 0}, {std::numeric_limits<float>::infinity(), 1800}};
    // Eleven frequencies seen once each: only the lowest ones make the list of ten.
    for (std::uint16_t frequency = 100; frequency < 111; ++frequency)
        samples.push_back({0.5f, frequency});
    std::uint64_t visited = 0;
    const TRecordDigest digest = DigestRecord(WriteLog(App.Paths().LogDir, "made", samples), UnitMWm2, 0, 0,
                                              [&](std::uint64_t index, double) { visited = index; });

    EXPECT_EQ(visited, samples.size());
    EXPECT_EQ(digest.Statistics.Maximum(), 1.0); // the infinite reading counts as 0
    EXPECT_EQ(digest.Statistics.Minimum(), 0.0);
    EXPECT_EQ(digest.SamplesWithFrequency, samples.size() - 2);
    ASSERT_EQ(digest.TopFrequencies.size(), 10u);
    EXPECT_EQ(digest.TopFrequencies[0].Frequency, 900); // two each: the lower frequency first
    EXPECT_EQ(digest.TopFrequencies[1].Frequency, 2450);
    EXPECT_EQ(digest.TopFrequencies[9].Frequency, 107);
    // 1 and 0.5 mW/m² are "Moderate" for the general population awake; 0 is "Very low".
    EXPECT_EQ(digest.CategorySamples[0], 2u);
    EXPECT_EQ(digest.CategorySamples[2], samples.size() - 2);
}

TEST_F(Report, PicturesHaveTheChartsSizeAndShowTheirData)
{
    const auto charts = MakeRecordCharts(SampleLog(), Request(SampleLog()).Meta, 0, 0, QSize(640, 300));
    const std::vector<const TRChart *> both{&charts->Time, &charts->Histogram};
    const QString png = App.Paths().AppDir + "charts.png";
    SaveChartPicture(png, both);

    const QImage picture(png);
    ASSERT_EQ(picture.size(), QSize(640, 600));
    const auto countOf = [&](const QRect &area, QRgb colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += (picture.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu);
        return count;
    };
    EXPECT_GT(countOf(charts->Time.PlotArea(), charts->Time.DataColor().rgb()), 100); // the marks
    // The tallest bar, in the palette's colour of its level.
    EXPECT_GT(countOf(charts->Histogram.PlotArea().translated(0, 300), RiskColor(HistogramClassRiskIndex(-21, 0, 0)).rgb()),
              200);

    const QString svg = App.Paths().AppDir + "charts.svg";
    SaveChartPicture(svg, both);
    const QByteArray document = ReadWholeFile(svg);
    EXPECT_TRUE(document.contains("width=\"640\"")) << document.left(400).toStdString();
    EXPECT_TRUE(document.contains("History"));
}

TEST_F(Report, FailuresLeaveNoFileAndKeepTheOldOne)
{
    const QString log = SampleLog();
    // A folder that cannot exist: its parent is a plain file.
    const QString blocked = App.WriteFile("blocker", "x") + "/report.pdf";
    EXPECT_THROW(SaveRecordReport(blocked, Request(log)), EInOutError);
    EXPECT_FALSE(QFileInfo::exists(blocked));

    const QString old = App.WriteFile("old.pdf", "old report");
    EXPECT_THROW(SaveRecordReport(old, Request(App.Paths().LogDir + "missing.zlog")), EInOutError);
    EXPECT_EQ(ReadWholeFile(old), "old report");

    const auto charts = MakeRecordCharts(log, Request(log).Meta, 0, 0, QSize(300, 200));
    EXPECT_THROW(SaveChartPicture(App.Paths().AppDir + "charts.jpg", {&charts->Time}), EInOutError);
    EXPECT_THROW(SaveChartPicture(blocked + ".png", {&charts->Time}), EInOutError);
    EXPECT_EQ(QDir(App.Paths().AppDir).entryList({"charts*"}), QStringList());
}

TEST_F(Report, ACsvSinkThatFailsEndsTheExportWithItsError)
{
    const QString large = WriteLog(App.Paths().LogDir, "large", std::vector<TSampleRecord>(40000, Sample(0.5f, 2450)));
    const QString small = WriteLog(App.Paths().LogDir, "small", {Sample(1.0f, 900)});
    // On the only block (written at the end) and on a later block of a long export.
    for (const auto &[log, failingCall] : {std::pair{small, 1}, std::pair{large, 2}}) {
        int calls = 0;
        const auto sink = [&, failing = failingCall](const char *, std::size_t) {
            if (++calls == failing)
                throw EInOutError("disk full");
        };
        EXPECT_THROW(WriteCsv(sink, log, TMetaData{}, 0, 0, {}), EInOutError);
        EXPECT_EQ(calls, failingCall);
    }
}

} // namespace
