#include "tools/meter-sim/ValueSource.h"

#include <gtest/gtest.h>

namespace {

std::vector<double> Take(TValueSource &source, int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(source.Next());
    return values;
}

} // namespace

TEST(ValueSource, RampClimbsAndStartsAgainAboveMax)
{
    TValueSource source(TPatternSettings{TValuePattern::Ramp, 1.0, 0.5, 2.0, 1});
    EXPECT_EQ(Take(source, 6), (std::vector<double>{1.0, 1.5, 2.0, 1.0, 1.5, 2.0}));
}

TEST(ValueSource, WalkIsBoundedAndRepeatsForItsSeed)
{
    const TPatternSettings settings{TValuePattern::Walk, 0.5, 0.4, 1.0, 7};
    TValueSource first(settings);
    TValueSource second(settings);
    const std::vector<double> walk = Take(first, 500);
    EXPECT_EQ(walk, Take(second, 500));
    EXPECT_EQ(walk.front(), 0.5);
    bool moved = false;
    for (size_t i = 1; i < walk.size(); ++i) {
        ASSERT_GE(walk[i], 0.0);
        ASSERT_LE(walk[i], 1.0);
        ASSERT_LE(std::abs(walk[i] - walk[i - 1]), 0.4 + 1e-12);
        moved = moved || walk[i] != walk[i - 1];
    }
    EXPECT_TRUE(moved);

    TValueSource otherSeed(TPatternSettings{TValuePattern::Walk, 0.5, 0.4, 1.0, 8});
    EXPECT_NE(walk, Take(otherSeed, 500));
}
