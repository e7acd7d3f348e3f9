#include "model/UnitHistogram_COMMON.h"

#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Histogram, ModeIsTheFirstClassToReachTheLargestCount)
{
    THistogram histogram(-33, 33);
    for (const int index : {5, 7, 7, 5, 67, -1})
        histogram.Add(index);
    EXPECT_EQ(histogram.Total, 4u); // indexes outside the classes are not counted
    EXPECT_EQ(std::tie(histogram.MaxCount, histogram.ModeIndex), std::make_tuple(2u, 7));
    EXPECT_EQ(histogram.Add(5), 3u);
    EXPECT_EQ(histogram.ModeIndex, 5);
    histogram.Clear();
    EXPECT_EQ(histogram.Counts, std::vector<std::uint32_t>(67, 0));
    EXPECT_EQ(std::tie(histogram.Total, histogram.MaxCount, histogram.ModeIndex), std::make_tuple(0u, 0u, 0));
}

TEST(Histogram, MaxDensitySkipsEmptyHistogramsAndUnallocatableClassesAreReported)
{
    THistogram first(0, 1), second(0, 1), empty(0, 1);
    first.Counts = {1, 3};
    second.Counts = {2, 2};
    first.Total = second.Total = 4;
    EXPECT_EQ(MaxDensity({&empty, &first, &second}), 0.75);
    EXPECT_EQ(MaxDensity({}), 0.0);

    TFakeServices services;
    THistogram tooWide(INT_MIN, INT_MAX);
    EXPECT_EQ(tooWide.Add(0), 0u);
    EXPECT_EQ(services.Texts(), QStringList{"THistogram CREATE procedure: out of memory error"});
}
