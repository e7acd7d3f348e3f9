// Units, levels and their classes, display texts, intervals, the correction, and the risk index,
// category and palette colour of a reading.

#include "model/LevelClasses.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <climits>
#include <cmath>

TEST(Units, LevelsClassesAndRiskBaseIncludingReadingsWithoutALogarithmAndTheFastClassOfADensity)
{
    EXPECT_NEAR(FieldToDensity(1.0), 2.65442, 5e-6);
    // Floor, not truncation; held within the classes, and a NaN level in the lowest.
    EXPECT_EQ((std::array{LevelClassIndex(-0.001), LevelClassIndex(LevelOf(UnitMWm2, 1e9)), LevelClassIndex(NAN)}),
              (std::array{32, 66, 0}));
    // 1 µW/m² is 0; at least -99; halves to even.
    EXPECT_EQ((std::array{DensityToRiskBase(0.001), DensityToRiskBase(1e-14), DensityToRiskBase(DBToPower(10.5 - 30))}),
              (std::array{0, -99, 10}));

    for (const std::uint8_t unit : {UnitVm, UnitMWm2})
        for (const double reading : {0.0, -2.0, std::nan("")}) {
            EXPECT_EQ(LevelOf(unit, reading), -33.0) << reading;
            EXPECT_EQ(DensityToRiskBase(DensityOf(unit, reading)), -99) << reading;
            EXPECT_TRUE(std::isfinite(PowerToDB(reading))) << reading;
        }

    // The comparison with precomputed boundaries must give the class of the logarithm exactly;
    // both only step up at a boundary, so doubles either side of each one settle every density.
    for (const double boundary : LevelClassBoundaries()) {
        double s = std::nextafter(std::nextafter(boundary, 0.0), 0.0);
        for (int step = 0; step < 5; ++step, s = std::nextafter(s, INFINITY))
            ASSERT_EQ(LevelClassOfDensity(s), LevelClassIndex(LevelOf(UnitMWm2, s))) << s;
    }
    EXPECT_EQ(std::pair(LevelClassOfDensity(std::nan("")), LevelClassOfDensity(INFINITY)), std::pair(0, 66));
}

TEST(Units, ValueTextsIntervalNamesAndCorrection)
{
    const std::pair<double, int> decimals[] = {{9.99, 4}, {10.0, 3}, {999.99999999, 2}, {1e300, 0}, {NAN, 4}};
    for (const auto &[x, expected] : decimals)
        EXPECT_EQ(DisplayDecimals(x), expected) << x;

    EXPECT_EQ(FormatValue(3, 12345.6789, QLocale(QLocale::German)), "12345,679"); // no thousands separator
    // 2.67499999... is 2.675 in 15 digits; no negative zero; NaN as 0.
    const std::tuple<int, double, const char *> formatted[] = {
        {2, 2.675, "2.68"}, {2, 9.995, "10.00"}, {4, -0.00001, "0.0000"}, {2, NAN, "0.00"}};
    for (const auto &[places, value, text] : formatted)
        EXPECT_EQ(FormatValue(places, value, QLocale::c()), text) << value;

    const std::pair<const char *, double> table[] = {{"0.5 sec", 0.5}, {"10 sec", 10}, {"1 min", 60}, {"3 min", 180}};
    for (const auto &[text, seconds] : table)
        EXPECT_TRUE(IntervalName(seconds) == text && IntervalSeconds(text) == seconds) << text;
    EXPECT_TRUE(IntervalName(59.95) == "1 min" && !IntervalName(0.65) && !IntervalSeconds("1 Min"));

    // 3 and 6 dB on a field and a density; any other correction changes nothing.
    EXPECT_EQ((std::array{ApplyCorrection(1.0f, UnitVm, 3), ApplyCorrection(1.0f, UnitMWm2, 6),
                          ApplyCorrection(1.5f, UnitVm, 5), ApplyCorrection(NAN, UnitVm, 3),
                          ApplyCorrection(3e38f, UnitMWm2, 6)}),
              (std::array{1.4142f, 4.0f, 1.5f, 0.0f, FLT_MAX}));
}

TEST(Risk, IndexCategoryAndColourIndex)
{
    // unit, value, population, state, index
    const std::tuple<std::uint8_t, double, TPopulation, TTargetState, int> readings[] = {
        {UnitMWm2, 1.0, TPopulation::General, TTargetState::Wake, 20},
        {UnitMWm2, 1.0, TPopulation::General, TTargetState::Sleep, 30},
        {UnitVm, 0.6138, TPopulation::Sensitive, TTargetState::Sleep, 40},
        {UnitMWm2, 0.01, TPopulation::Sensitive, TTargetState::Sleep, 20},
        {UnitVm, -1.0, TPopulation::Sensitive, TTargetState::Sleep, -89},
    };
    for (const auto &[unit, value, population, state, index] : readings)
        EXPECT_EQ(EvaluateRisk(unit, value, population, state), index) << value;
    const std::pair<int, const char *> names[] = {{INT_MIN, "Very low"}, {0, "Very low"}, {1, "Low"},
                                                  {10, "Low"}, {20, "Moderate"}, {30, "High"}, {40, "Very high"},
                                                  {41, "Extreme"}, {INT_MAX, "Extreme"}};
    for (const auto &[index, name] : names)
        EXPECT_EQ(RiskCategoryName(index), name) << index;
    EXPECT_EQ(HistogramClassRiskIndex(3, TPopulation::Sensitive, TTargetState::Sleep), 43);
    // The choices' items and the file's numbers: only 1 is sensitive, only 0 is wake.
    EXPECT_EQ(PopulationOfIndex(1), TPopulation::Sensitive);
    EXPECT_EQ(PopulationOfIndex(-1), TPopulation::General);
    EXPECT_EQ(TargetStateOfIndex(0), TTargetState::Wake);
    EXPECT_EQ(TargetStateOfIndex(-1), TTargetState::Sleep);
}

TEST(Risk, PaletteIsTheTopRowAndAnUnusableImageIsReportedAsMissing)
{
    const auto colour = [](int i) { return QColor(i * 6, 255 - i * 6, 100 + i); };
    TempAppDir dir;
    const QString path = dir.Paths().ResourcesDir + "Risk Palette.bmp";
    QImage image(45, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < 40; ++i)
        image.setPixelColor(i, 0, colour(i));
    ASSERT_TRUE(image.save(path, "BMP"));
    ASSERT_TRUE(LoadRiskPalette(dir.Paths().ResourcesDir));
    EXPECT_EQ(std::tuple(RiskColor(17), RiskColor(-50), RiskColor(400)), std::tuple(colour(17), colour(0), colour(39)));

    TFakeServices services;
    QImage narrow(39, 1, QImage::Format_RGB32);
    narrow.fill(Qt::black);
    ASSERT_TRUE(narrow.save(path, "BMP"));
    EXPECT_FALSE(LoadRiskPalette(dir.Paths().ResourcesDir));
    EXPECT_EQ(services.Texts(), QStringList{"Some files used by this aplication have not been found. Please repeat "
                                            "the installation of the application"});
    EXPECT_EQ(RiskColor(0), colour(0));  // the palette stays as it was
}
