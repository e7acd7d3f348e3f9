// A run's statistics, and the write buffer a recording flushes in groups.

#include "model/SampleStatistics.h"
#include "model/UnitCircBuffer_COMMON.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(SampleStatistics, MeanRangeExtremesAndModeInEachUnitAndAResetForgetsThem)
{
    TSampleStatistics density = StatisticsOf(UnitMWm2, {1.0, 4.0});
    EXPECT_EQ(std::tuple(density.Mean(), density.RangeDB()), std::tuple(2.5, 6));
    const TSampleStatistics field = StatisticsOf(UnitVm, {1.0, 4.0});
    EXPECT_DOUBLE_EQ(field.Mean(), std::sqrt(8.5)); // quadratic mean
    EXPECT_EQ(field.RangeDB(), 12);
    EXPECT_EQ(field.Histogram().Counts[37], 1u); // 1 V/m is 4.24 dB

    density.Reset(UnitVm, 42.0);
    EXPECT_EQ(std::make_tuple(density.Maximum(), density.MaximumTime(), density.Minimum(), density.RangeDB(),
                              density.Histogram().Total),
              std::make_tuple(-10000000.0, 42.0, 10000000.0, 0, 0u));

    // Extremes keep the time they were first reached; the mode is its class's density.
    const TSampleStatistics statistics = StatisticsOf(UnitMWm2, {2.0, 1.0, 2.0, 1.0, 1.2});
    EXPECT_EQ(std::tuple(statistics.MaximumTime(), statistics.MinimumTime()), std::tuple(101.0, 102.0));
    EXPECT_EQ(statistics.ModeValue(), 1.0); // class 33 reached two first
    EXPECT_DOUBLE_EQ(field.ModeValue(), DBToPower(4));
}

TEST(SampleStatistics, ZeroNegativeAndNaNReadingsStayFinite)
{
    for (const std::uint8_t unit : {UnitVm, UnitMWm2}) {
        const TSampleStatistics statistics = StatisticsOf(unit, {4.0, 0.0, NAN, -1.0});
        EXPECT_EQ(std::tuple(statistics.Histogram().Counts[0], statistics.Level()), std::tuple(3u, -33.0));
        EXPECT_TRUE(std::isfinite(statistics.Mean()));
        // The minimum counts at -33 dB: 4 mW/m² is 6 dB, 4 V/m is 16.3 dB.
        EXPECT_EQ(statistics.RangeDB(), unit == UnitVm ? 49 : 39);
    }
    EXPECT_EQ(StatisticsOf(UnitMWm2, {1e-6, 0.0}).RangeDB(), 0);
}

TEST(CircBuffer, KeepsTheLastCapacityRecordsOldestFirst)
{
    const auto values = [](const TCircBuffer &buffer) {
        std::vector<TSampleRecord> records(3); // GetAll replaces, never appends
        buffer.GetAll(records);
        std::vector<float> values(records.size());
        std::ranges::transform(records, values.begin(), &TSampleRecord::Value);
        return values;
    };
    const auto push = [](TCircBuffer &buffer, int from, int to) {
        for (int value = from; value <= to; ++value)
            buffer.Push(TSampleRecord{static_cast<float>(value)});
    };
    TCircBuffer buffer(5), withoutStorage(0);
    push(buffer, 1, 3);
    EXPECT_EQ(values(buffer), (std::vector<float>{1, 2, 3}));
    push(buffer, 4, 7);
    EXPECT_EQ(values(buffer), (std::vector<float>{3, 4, 5, 6, 7}));
    EXPECT_EQ(buffer.Count(), 7u);
    buffer.Clear();
    push(buffer, 8, 9);
    EXPECT_EQ(values(buffer), (std::vector<float>{8, 9}));
    push(withoutStorage, 1, 3);
    EXPECT_TRUE(values(withoutStorage).empty());

    EXPECT_EQ((std::array{WriteBufferCapacityFor(0.59), WriteBufferCapacityFor(1.99), WriteBufferCapacityFor(2.0)}),
              (std::array{10, 5, 1}));
}
