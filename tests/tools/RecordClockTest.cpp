#include "storage/RecordClock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RecordClock, CountsSamplesOnTheWallClockFromTheStartDayOverMidnight)
{
    // 45664.75 = 2025-01-07 18:00:00.
    const TRecordClock clock(45664.75, 0.5);
    EXPECT_EQ(clock.SampleTimeText(2), "2025-01-07 18:00:00.500");
    EXPECT_EQ(clock.SampleTimeText(86401), "2025-01-08 06:00:00.000");
    // 45664 + 86399 / 86400 = 2025-01-07 23:59:59.
    const TRecordClock late(45664.0 + 86399.0 / 86400.0, 0.5);
    EXPECT_EQ(late.SampleStamp(3).Day, 45665);
    EXPECT_EQ(late.SampleStamp(4).MsOfDay, 500);
    // Days before the epoch count their fraction forward: -1.25 is 29 December 1899, 06:00.
    EXPECT_EQ(TRecordClock(-1.25, 1).SampleTimeText(1), "1899-12-29 06:00:00.000");
    // A start rounding up to midnight belongs to the next day.
    EXPECT_EQ(TRecordClock(45664.9999999999, 1).SampleTimeText(1), "2025-01-08 00:00:00.000");
}

TEST(RecordClock, LongRecordsAndLongIntervalsDoNotOverflow)
{
    EXPECT_EQ(TRecordClock(45664.0, 180).SampleTimeText(481), "2025-01-08 00:00:00.000");
    // Sample 2^32 at half a second lies 2147483647.5 s after the start.
    EXPECT_EQ(TRecordClock(45664.0, 0.5).SampleTimeText(4294967296ULL), "2093-01-25 03:14:07.500");
}

TEST(RecordClock, ADamagedStartOrIntervalGivesTimesAllTheSame)
{
    for (const double start : {std::nan(""), 1e300, -1e300}) {
        const TRecordClock clock(start, 1);
        EXPECT_EQ(clock.SampleTimeText(2), "1899-12-30 00:00:01.000");
    }
    EXPECT_EQ(TRecordClock(45664.0, std::nan("")).SampleTimeText(7), "2025-01-07 00:00:00.000");
    EXPECT_EQ(TRecordClock(45664.0, -1).SampleTimeText(2), "2025-01-06 23:59:59.000");
}

} // namespace
