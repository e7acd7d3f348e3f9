// The density analyser comparing five records of realistic level distributions, written as a
// picture for a person to look at when ZELTAR_SCREENSHOT_DIR names a folder.

#include "charts/RChart.h"
#include "model/UnitHistogram_COMMON.h"
#include "model/Units.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"
#include "windows/DensityColours.h"
#include "windows/Form4_Density.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace {

struct TRecordShape {
    const char *Name;
    double MeanDb;
    double SpreadDb;
    int Samples;
};

// Readings in mW/m² around a slowly drifting level, as a walk through a street would give.
THistogram RecordedLevels(const TRecordShape &shape, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, shape.SpreadDb);
    THistogram histogram(LevelFloorDb, LevelCeilingDb);
    for (int i = 0; i < shape.Samples; ++i) {
        const double reading = DBToPower(shape.MeanDb + 3 * std::sin(i / 60.0) + noise(random));
        histogram.Add(LevelClassIndex(LevelOf(UnitMWm2, reading)));
    }
    return histogram;
}

TEST(DensityAnalyserPicture, FiveRecordsShowFiveCurvesAndTheirLegend)
{
    TempAppDir app;
    TFakeServices services;
    const TRecordShape records[] = {
        {"2022 12 23 - 10 11 12", -14, 2.5, 1800}, {"2023 01 05 - 08 30 00", -6, 3.5, 3600},
        {"2023 01 05 - 17 45 10", 2, 2.0, 900},    {"2023 02 14 - 12 00 05", -22, 4.0, 2400},
        {"2023 03 01 - 21 15 40", 9, 3.0, 1200},
    };
    QStringList files;
    unsigned seed = 11;
    for (const TRecordShape &record : records) {
        files << app.Paths().LogDir + record.Name + ".histo";
        RecordedLevels(record, seed++).WriteToFile(files.back());
    }

    TForm4 form(app.Paths());
    form.LoadDensities(files);
    // The pointer over the tallest peak, so that the read-out shows in the picture.
    const TPlotMapping mapping = form.HChart->Mapping();
    const QPointF peak(mapping.Column(2), mapping.Row(0.05));
    QMouseEvent move(QEvent::MouseMove, peak, form.HChart->mapToGlobal(peak), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(form.HChart, &move);
    QApplication::processEvents();
    EXPECT_TRUE(form.HChartEdit->text().startsWith("2 = "));
    const QImage shot = form.grab().toImage();
    ASSERT_EQ(shot.size(), form.size());
    EXPECT_TRUE(services.Shown.empty());
    EXPECT_EQ(form.RichEdit->document()->blockCount(), 2 + 5 + 1);

    // Every curve shows on the plot in its own colour.
    const QImage plot = form.HChart->Picture();
    std::set<QRgb> seen;
    for (int y = 0; y < plot.height(); ++y)
        for (int x = 0; x < plot.width(); ++x)
            seen.insert(plot.pixel(x, y) | 0xFF000000u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(seen.count(DensityColour(i).rgb())) << i;

    const QString folder = qEnvironmentVariable("ZELTAR_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(shot.save(QDir(folder).filePath("density-analyser.png")));
    }
}

} // namespace
