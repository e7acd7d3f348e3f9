#include "model/SampleStatistics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Readings at times 101, 102 ... after a reset at 100.
TSampleStatistics StatisticsOf(std::uint8_t unit, std::initializer_list<double> values)
{
    TSampleStatistics statistics;
    statistics.Reset(unit, 100.0);
    double time = 100.0;
    for (const double value : values)
        statistics.Add(value, ++time);
    return statistics;
}

} // namespace

TEST(SampleStatistics, ResetForgetsEveryReading)
{
    TSampleStatistics statistics = StatisticsOf(UnitMWm2, {5.0, 1.0});
    statistics.Reset(UnitVm, 42.0);
    EXPECT_EQ(std::make_tuple(statistics.Maximum(), statistics.MaximumTime(), statistics.Minimum(),
                              statistics.RangeDB(), statistics.Histogram().Total),
              std::make_tuple(-10000000.0, 42.0, 10000000.0, 0, 0u));
}

TEST(SampleStatistics, TwoReadingsInEachUnit)
{
    const TSampleStatistics density = StatisticsOf(UnitMWm2, {1.0, 4.0});
    EXPECT_EQ(density.Mean(), 2.5);
    EXPECT_EQ(density.RangeDB(), 6);

    const TSampleStatistics field = StatisticsOf(UnitVm, {1.0, 4.0});
    EXPECT_DOUBLE_EQ(field.Mean(), std::sqrt(8.5)); // quadratic mean
    EXPECT_EQ(field.RangeDB(), 12);
    EXPECT_EQ(field.Histogram().Counts[37], 1u); // 1 V/m is 4.24 dB
}

TEST(SampleStatistics, ExtremesKeepTheirFirstTimeAndModeIsADensity)
{
    const TSampleStatistics statistics = StatisticsOf(UnitMWm2, {2.0, 1.0, 2.0, 1.0, 1.2});
    EXPECT_EQ(statistics.MaximumTime(), 101.0);
    EXPECT_EQ(statistics.MinimumTime(), 102.0);
    EXPECT_EQ(statistics.ModeValue(), 1.0); // class 33 reached two first
    EXPECT_DOUBLE_EQ(StatisticsOf(UnitVm, {1.0, 50.0}).ModeValue(), DBToPower(4));
}

TEST(SampleStatistics, ZeroNegativeAndNaNReadingsStayFinite)
{
    for (const std::uint8_t unit : {UnitVm, UnitMWm2}) {
        const TSampleStatistics statistics = StatisticsOf(unit, {4.0, 0.0, NAN, -1.0});
        EXPECT_EQ(statistics.Histogram().Counts[0], 3u);
        EXPECT_EQ(statistics.Level(), -33.0);
        EXPECT_TRUE(std::isfinite(statistics.Mean()));
        // The minimum counts at -33 dB: 4 mW/m² is 6 dB, 4 V/m is 16.3 dB.
        EXPECT_EQ(statistics.RangeDB(), unit == UnitVm ? 49 : 39);
    }
    EXPECT_EQ(StatisticsOf(UnitMWm2, {1e-6, 0.0}).RangeDB(), 0);
}
