#include "storage/FileUtils.h"

#include <gtest/gtest.h>

TEST(Duration, TextNamesTheNonZeroPartsWithTheirOddCommasAndRoundsHalvesToEvenWithin32Bits)
{
    EXPECT_EQ(DurationText(93784), "~ 1 day ,2 hours, 3 minutes, 4 seconds");
    EXPECT_EQ(DurationText(3601), "~ 1 hour, 1 second");
    EXPECT_EQ(DurationText(2 * 86400 + 60), "~ 2 days, 1 minute");
    EXPECT_EQ(RecordDurationText(0, 0.5), "0");
    EXPECT_EQ(RecordDurationText(3, 0.5), "~ 2 seconds");  // 1.5
    EXPECT_EQ(RecordDurationText(5, 0.5), "~ 2 seconds");  // 2.5
    EXPECT_EQ(RecordDurationText(1, 0.5), "~ ");           // 0.5
    EXPECT_EQ(RecordDurationText(1'000'000'000'000ull, 180.0), DurationText(4294967295u));
    EXPECT_EQ(RecordDurationText(10, -1.0), "~ ");
}
