#include "model/Units.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

TEST(Units, LevelsClassesAndRiskBaseIncludingReadingsWithoutALogarithm)
{
    EXPECT_NEAR(FieldToDensity(1.0), 2.65442, 5e-6);
    EXPECT_NEAR(LevelOf(UnitVm, 1.0), 4.2397, 1e-4);
    EXPECT_EQ(LevelClassIndex(-0.001), 32); // floor, not truncation
    EXPECT_EQ(LevelClassIndex(LevelOf(UnitMWm2, 1e9)), 66);
    EXPECT_EQ(DensityToRiskBase(0.001), 0);
    EXPECT_EQ(DensityToRiskBase(1e-14), -99);
    EXPECT_EQ(DensityToRiskBase(DBToPower(10.5 - 30)), 10); // halves to even

    for (const std::uint8_t unit : {UnitVm, UnitMWm2})
        for (const double reading : {0.0, -2.0, std::nan("")}) {
            EXPECT_EQ(LevelOf(unit, reading), -33.0) << reading;
            EXPECT_EQ(DensityToRiskBase(DensityOf(unit, reading)), -99) << reading;
            EXPECT_TRUE(std::isfinite(PowerToDB(reading))) << reading;
        }
    EXPECT_EQ(LevelClassIndex(NAN), 0);
}

TEST(Units, DisplayDecimalsAndFormat)
{
    const std::pair<double, int> decimals[] = {{9.99, 4}, {10.0, 3}, {999.99999999, 2}, {1e300, 0}, {NAN, 4}};
    for (const auto &[x, expected] : decimals)
        EXPECT_EQ(DisplayDecimals(x), expected) << x;

    const QLocale point = QLocale::c();
    const QLocale comma(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatValue(3, 12345.6789, comma), "12345,679"); // no thousands separator
    EXPECT_EQ(FormatValue(2, 2.675, point), "2.68");           // 2.67499999... is 2.675 in 15 digits
    EXPECT_EQ(FormatValue(2, 9.995, point), "10.00");
    EXPECT_EQ(FormatValue(4, -0.00001, point), "0.0000");
    EXPECT_EQ(FormatValue(2, NAN, point), "0.00");
}

TEST(Units, IntervalNamesAndCorrection)
{
    const std::pair<const char *, double> table[] = {{"0.5 sec", 0.5}, {"10 sec", 10}, {"1 min", 60}, {"3 min", 180}};
    for (const auto &[text, seconds] : table)
        EXPECT_TRUE(IntervalName(seconds) == text && IntervalSeconds(text) == seconds) << text;
    EXPECT_EQ(IntervalName(59.95), "1 min");
    EXPECT_EQ(IntervalName(0.65), std::nullopt);
    EXPECT_EQ(IntervalSeconds("1 Min"), std::nullopt);

    EXPECT_EQ(ApplyCorrection(1.0f, UnitVm, 3), 1.4142f);
    EXPECT_EQ(ApplyCorrection(1.0f, UnitMWm2, 6), 4.0f);
    EXPECT_EQ(ApplyCorrection(1.5f, UnitVm, 5), 1.5f);
    EXPECT_EQ(ApplyCorrection(NAN, UnitVm, 3), 0.0f);
    EXPECT_EQ(ApplyCorrection(3e38f, UnitMWm2, 6), FLT_MAX);
}
