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

class ChartGallery : public ::testing::Test {
protected:
    static void SetUpTestSuite() { LoadTestRiskPalette(); }

    // Checks the frame shows its colour and that the items left their mark on the plot,
    // then writes the picture when asked to.
    void Finish(TRChart &chart, const QString &name)
    {
        chart.Redraw();
        const QImage &picture = chart.Picture();
        ASSERT_EQ(picture.size(), chart.size());
        EXPECT_EQ(QColor(picture.pixel(1, picture.height() - 2)), chart.WindColor()) << name.toStdString();
        const QRect area = chart.PlotArea();
        int itemPixels = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                itemPixels += QColor(picture.pixel(x, y)) != chart.ChartColor() ? 1 : 0;
        EXPECT_GT(itemPixels, 500) << name.toStdString();
        const QString folder = qEnvironmentVariable("ZELTAR_CHART_PNG_DIR");
        if (!folder.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(folder));
            EXPECT_TRUE(picture.save(QDir(folder).filePath(name + ".png"))) << name.toStdString();
        }
    }
};

TEST_F(ChartGallery, MainTimeChart)
{
    TRChart chart;
    chart.resize(960, 232);
    ConfigureChart(chart, MainTimeChartConfiguration(60, 0.5));
    chart.SetIdOrdinate(*UnitName(UnitMWm2));
    PlotRecord(chart, SampleReadings(60, 1, -8), 0, 0.5, 24);
    Finish(chart, "main-time-chart");
}

TEST_F(ChartGallery, MainHistogramChart)
{
    TRChart chart;
    chart.resize(960, 330);
    ConfigureChart(chart, MainHistogramChartConfiguration());
    DrawLevelHistogram(chart, HistogramOf(SampleReadings(900, 2, -8)), PopulationGeneral, StateSleep, true);
    Finish(chart, "main-histogram-chart");
}

TEST_F(ChartGallery, ViewerTimeChart)
{
    TRChart chart;
    chart.resize(1000, 252);
    ConfigureChart(chart, ViewerTimeChartConfiguration());
    const double start = 9 * 3600 + 5 * 60 + 3;
    const int samples = 2400;
    chart.SetRanges(start - 1, 0, start + samples * 1.0, 0.001);
    chart.SetDecPlaceY(3);
    PlotRecord(chart, SampleReadings(samples, 3, -6), start, 1.0, 7);
    Finish(chart, "viewer-time-chart");
}

TEST_F(ChartGallery, ViewerHistogramChart)
{
    TRChart chart;
    chart.resize(1000, 330);
    ConfigureChart(chart, ViewerHistogramChartConfiguration());
    chart.SetRanges(-33.5, 0, 33.5, 4);
    DrawLevelHistogram(chart, HistogramOf(SampleReadings(2400, 3, -6)), PopulationSensitive, StateSleep, false);
    Finish(chart, "viewer-histogram-chart");
}

TEST_F(ChartGallery, AnalyserChart)
{
    TRChart chart;
    chart.resize(820, 460);
    ConfigureChart(chart, AnalyserChartConfiguration());
    const std::array<QColor, 3> colours = {QColor(0xFF, 0xB7, 0x00), QColor(0x66, 0xBE, 0x21), QColor(0x23, 0x91, 0xFE)};
    std::vector<THistogram> curves;
    for (unsigned curve = 0; curve < colours.size(); ++curve)
        curves.push_back(HistogramOf(SampleReadings(3000, 10 + curve, -18.0 + 8 * curve)));
    const double highest = MaxDensity({&curves[0], &curves[1], &curves[2]});
    chart.SetRangeHiY(highest + highest * 0.1);
    for (unsigned curve = 0; curve < colours.size(); ++curve) {
        const THistogram &histogram = curves[curve];
        const double peak = double(histogram.MaxCount) / histogram.Total;
        if (chart.RangeHiY() * 0.95 <= peak)
            chart.SetRangeHiY(peak * 0.1 + peak);
        chart.SetDataColor(colours[curve]);
        chart.SetLineWidth(2);
        for (int level = histogram.Lower; level < histogram.Upper; ++level) {
            const auto density = [&](int l) { return double(histogram.Counts[std::size_t(l - histogram.Lower)]) / histogram.Total; };
            chart.AddLine(level, density(level), level + 1, density(level + 1));
        }
    }
    Finish(chart, "analyser-chart");
}

TEST_F(ChartGallery, FileManagerChart)
{
    TRChart chart;
    chart.resize(560, 250);
    ConfigureChart(chart, FileManagerChartConfiguration());
    DrawLevelHistogram(chart, HistogramOf(SampleReadings(1500, 4, -10)), PopulationGeneral, StateWake, false);
    Finish(chart, "file-manager-chart");
}

} // namespace
