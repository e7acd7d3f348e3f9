// Renders the six charts of the program with sample data. With ZELTAR_CHART_PNG_DIR set, the
// pictures are also written there as PNG files, one per chart.

#include "charts/ChartConfigurations.h"
#include "charts/LevelHistogram.h"
#include "charts/RChart.h"
#include "model/Risk.h"
#include "model/UnitHistogram_COMMON.h"
#include "model/Units.h"
#include "tests/charts/TestPalette.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace {

// Readings in mW/m² whose level swings slowly around meanDb, with noise.
std::vector<double> SampleReadings(int count, unsigned seed, double meanDb)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 3.0);
    std::vector<double> readings;
    for (int i = 0; i < count; ++i)
        readings.push_back(DBToPower(meanDb + 5 * std::sin(i / 45.0) + noise(random)));
    return readings;
}

THistogram HistogramOf(const std::vector<double> &readings)
{
    THistogram histogram(LevelFloorDb, LevelCeilingDb);
    for (double reading : readings)
        histogram.Add(LevelClassIndex(LevelOf(UnitMWm2, reading)));
    return histogram;
}

void PlotRecord(TRChart &chart, const std::vector<double> &readings, double start, double interval,
                std::uint8_t shape)
{
    double maximum = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        chart.SetDataColor(RiskColor(EvaluateRisk(UnitMWm2, readings[i], PopulationGeneral, StateSleep)));
        chart.AddMark(start + double(i) * interval, readings[i], shape);
        maximum = std::max(maximum, readings[i]);
    }
    chart.SetRangeHiY(maximum * 1.1);
    chart.SetDecPlaceY(DisplayDecimals(maximum) - 1);
}

struct TGalleryChart {
    const char *Name;
    TChartConfiguration Configuration;
    QSize Size;
    std::function<void(TRChart &)> Draw;
};

// The analyser's density curve of a sample record.
void DrawAnalyserCurve(TRChart &chart)
{
    const THistogram histogram = HistogramOf(SampleReadings(3000, 10, -10));
    const auto density = [&](int l) { return double(histogram.Counts[std::size_t(l - histogram.Lower)]) / histogram.Total; };
    chart.SetRangeHiY(1.1 * MaxDensity({&histogram}));
    chart.SetLineWidth(2);
    chart.SetDataColor(QColor(0x23, 0x91, 0xFE));
    for (int level = histogram.Lower; level < histogram.Upper; ++level)
        chart.AddLine(level, density(level), level + 1, density(level + 1));
}

// Each chart shows its frame colour and the items leave their mark on the plot.
TEST(ChartGallery, EveryChartOfTheProgramShowsItsData)
{
    LoadTestRiskPalette();
    const double viewerStart = 9 * 3600 + 5 * 60 + 3;
    const std::vector<TGalleryChart> charts = {
        {"main-time-chart", MainTimeChartConfiguration(60, 0.5), {960, 232},
         [](TRChart &chart) {
             chart.SetIdOrdinate(*UnitName(UnitMWm2));
             PlotRecord(chart, SampleReadings(60, 1, -8), 0, 0.5, 24);
         }},
        {"main-histogram-chart", MainHistogramChartConfiguration(), {960, 330},
         [](TRChart &chart) {
             DrawLevelHistogram(chart, HistogramOf(SampleReadings(900, 2, -8)), PopulationGeneral, StateSleep, true);
         }},
        {"viewer-time-chart", ViewerTimeChartConfiguration(), {1000, 252},
         [&](TRChart &chart) {
             chart.SetRanges(viewerStart - 1, 0, viewerStart + 2400, 0.001);
             PlotRecord(chart, SampleReadings(2400, 3, -6), viewerStart, 1.0, 7);
         }},
        {"viewer-histogram-chart", ViewerHistogramChartConfiguration(), {1000, 330},
         [](TRChart &chart) {
             chart.SetRanges(-33.5, 0, 33.5, 4);
             DrawLevelHistogram(chart, HistogramOf(SampleReadings(2400, 3, -6)), PopulationSensitive, StateSleep, false);
         }},
        {"analyser-chart", AnalyserChartConfiguration(), {820, 460}, DrawAnalyserCurve},
        {"file-manager-chart", FileManagerChartConfiguration(), {560, 250},
         [](TRChart &chart) {
             DrawLevelHistogram(chart, HistogramOf(SampleReadings(1500, 4, -10)), PopulationGeneral, StateWake, false);
         }},
    };
    const QString folder = qEnvironmentVariable("ZELTAR_CHART_PNG_DIR");
    for (const TGalleryChart &gallery : charts) {
        SCOPED_TRACE(gallery.Name);
        TRChart chart;
        chart.resize(gallery.Size);
        ConfigureChart(chart, gallery.Configuration);
        gallery.Draw(chart);
        chart.Redraw();
        const QImage &picture = chart.Picture();
        ASSERT_EQ(picture.size(), chart.size());
        EXPECT_EQ(QColor(picture.pixel(1, picture.height() - 2)), chart.WindColor());
        const QRect area = chart.PlotArea();
        int itemPixels = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                itemPixels += QColor(picture.pixel(x, y)) != chart.ChartColor() ? 1 : 0;
        EXPECT_GT(itemPixels, 500);
        if (!folder.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(folder));
            EXPECT_TRUE(picture.save(QDir(folder).filePath(QString(gallery.Name) + ".png")));
        }
    }
}

} // namespace
