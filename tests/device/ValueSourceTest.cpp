#include "tools/meter-sim/ValueSource.h"

#include <gtest/gtest.h>

namespace {

std::vector<double> Take(const TPatternSettings &settings, int count)
{
    TValueSource source(settings);
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(source.Next());
    return values;
}

} // namespace

TEST(ValueSource, RampStartsAgainAboveMaxAndAWalkIsBoundedAndRepeatsForItsSeed)
{
    EXPECT_EQ(Take({TValuePattern::Ramp, 1.0, 0.5, 2.0, 1}, 4), (std::vector<double>{1.0, 1.5, 2.0, 1.0}));

    const std::vector<double> walk = Take({TValuePattern::Walk, 0.5, 0.4, 1.0, 7}, 500);
    EXPECT_EQ(walk, Take({TValuePattern::Walk, 0.5, 0.4, 1.0, 7}, 500));
    EXPECT_NE(walk, Take({TValuePattern::Walk, 0.5, 0.4, 1.0, 8}, 500));
    EXPECT_EQ(walk.front(), 0.5);
    for (size_t i = 1; i < walk.size(); ++i) {
        ASSERT_TRUE(walk[i] >= 0.0 && walk[i] <= 1.0) << walk[i];
        ASSERT_LE(std::abs(walk[i] - walk[i - 1]), 0.4 + 1e-12);
    }
}
