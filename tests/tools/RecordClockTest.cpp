#include "storage/RecordClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <tuple>

// Sample n lies n - 1 intervals after the start, a day count with the time of day as its fraction.
TEST(RecordClock, CountsSamplesOnTheWallClockOverMidnightWithoutOverflowAndThroughDamage)
{
    const double lastSecond = 45664.0 + 86399.0 / 86400.0, nan = std::nan("");
    const std::tuple<double, double, std::uint64_t, const char *> cases[] = {
        {45664.75, 0.5, 86401, "2025-01-08 06:00:00.000"}, {lastSecond, 0.5, 4, "2025-01-08 00:00:00.500"},
        {45664.9999999999, 1, 1, "2025-01-08 00:00:00.000"}, {-1.25, 1, 1, "1899-12-29 06:00:00.000"},
        {45664.0, 180, 481, "2025-01-08 00:00:00.000"}, {45664.0, 0.5, 4294967296ULL, "2093-01-25 03:14:07.500"},
        {nan, 1, 2, "1899-12-30 00:00:01.000"}, {-1e300, 1, 2, "1899-12-30 00:00:01.000"},
        {45664.0, nan, 7, "2025-01-07 00:00:00.000"}, {45664.0, -1, 2, "2025-01-06 23:59:59.000"},
    };
    for (const auto &[start, interval, sample, text] : cases)
        EXPECT_EQ(TRecordClock(start, interval).SampleTimeText(sample), text) << start << " " << interval << " " << sample;
}
