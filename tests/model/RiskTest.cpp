#include "model/Risk.h"

#include "model/Units.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>

TEST(Risk, IndexCategoryAndColourIndex)
{
    struct TCase {
        std::uint8_t Unit;
        double Value;
        int Population, State, Index;
        const char *Category;
    };
    const TCase cases[] = {
        {UnitMWm2, 1.0, PopulationGeneral, StateWake, 20, "Moderate"},
        {UnitMWm2, 1.0, PopulationGeneral, StateSleep, 30, "High"},
        {UnitVm, 0.6138, PopulationSensitive, StateSleep, 40, "Very high"},
        {UnitMWm2, 0.01, PopulationSensitive, StateSleep, 20, "Moderate"},
        {UnitVm, -1.0, PopulationSensitive, StateSleep, -89, "Very low"},
    };
    for (const TCase &c : cases) {
        EXPECT_EQ(EvaluateRisk(c.Unit, c.Value, c.Population, c.State), c.Index) << c.Value;
        EXPECT_EQ(RiskCategoryName(c.Index), c.Category) << c.Index;
    }
    const std::pair<int, const char *> names[] = {
        {INT_MIN, "Very low"}, {1, "Low"}, {10, "Low"}, {41, "Extreme"}, {INT_MAX, "Extreme"}};
    for (const auto &[index, name] : names)
        EXPECT_EQ(RiskCategoryName(index), name) << index;
    EXPECT_EQ(HistogramClassRiskIndex(3, PopulationSensitive, StateSleep), 43);
}

TEST(Risk, PaletteIsTheTopRowAndUnusableImagesAreReportedAsMissing)
{
    const auto colour = [](int i) { return QColor(i * 6, 255 - i * 6, 100 + i); };
    TempAppDir dir;
    QImage image(45, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < 40; ++i)
        image.setPixelColor(i, 0, colour(i));
    ASSERT_TRUE(image.save(dir.Paths().ResourcesDir + "Risk Palette.bmp", "BMP"));
    ASSERT_TRUE(LoadRiskPalette(dir.Paths().ResourcesDir));
    EXPECT_EQ(RiskColor(17), colour(17));
    EXPECT_EQ(RiskColor(-50), colour(0));
    EXPECT_EQ(RiskColor(400), colour(39));

    TempAppDir unusable;
    const QString &resources = unusable.Paths().ResourcesDir;
    TFakeServices services;
    QImage(39, 1, QImage::Format_RGB32).save(resources + "Risk Palette.bmp", "BMP");  // too narrow
    EXPECT_FALSE(LoadRiskPalette(resources));
    EXPECT_EQ(services.Texts(), QStringList{"Some files used by this aplication have not been found. Please repeat "
                                            "the installation of the application"});
    EXPECT_EQ(RiskColor(39), colour(39));
}
