// Range limits and the ticks and labels of the axes.

#include "charts/AxisRange.h"
#include "charts/AxisTicks.h"
#include "charts/NumericTicks.h"
#include "charts/TimeLabels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

using ::testing::ElementsAre;

namespace {

TEST(AxisRange, StaysOpenWhereTheMinimumRangeIsLostInPrecision)
{
    TAxisRange range{0, 1, 1e-10};
    range.Set(1e9, 1e9);
    EXPECT_GT(range.Span(), 0);
    range.SetHi(std::nan(""));
    range.SetLo(INFINITY);
    EXPECT_TRUE(std::isfinite(range.Lo) && std::isfinite(range.Hi));
    EXPECT_GT(range.Span(), 0);
}

std::vector<double> NumericTicks(double lo, double hi, int minTicks)
{
    return TickValues(lo, hi, NumericTickStep(lo, hi, minTicks));
}

TEST(NumericTicks, TakeTheLargestRoundStepThatGivesEnoughTicks)
{
    EXPECT_THAT(NumericTicks(-33.5, 33.5, 5), ElementsAre(-30, -20, -10, 0, 10, 20, 30));
    EXPECT_THAT(NumericTicks(0, 63, 4), ElementsAre(0, 20, 40, 60));
    EXPECT_THAT(NumericTicks(-0.3, 0.45, 2), ElementsAre(-0.2, 0, 0.2, 0.4));
    // The values are the doubles of their decimals: 0.3, not 0.30000000000000004.
    EXPECT_THAT(NumericTicks(0.1, 0.5, 4), ElementsAre(0.1, 0.2, 0.3, 0.4, 0.5));
}

TEST(NumericTicks, DegenerateWindowsHaveNone)
{
    EXPECT_TRUE(NumericTicks(1, 1, 4).empty());
    EXPECT_TRUE(NumericTicks(-1e308, 1e308, 4).empty());
    // Where the doubles cannot tell the ticks apart, the walk still ends.
    EXPECT_LE(NumericTicks(1e17, 1e17 + 64, 10).size(), 1000u);
}

TEST(NumericTicks, LabelsHaveTheDecimalsAndTheLocalesSeparator)
{
    const QLocale german(QLocale::German);
    EXPECT_EQ(FormatTickNumber(0.25, 3, QLocale::c()), "0.250");
    EXPECT_EQ(FormatTickNumber(12345.5, 1, german), "12345,5");
    EXPECT_EQ(FormatTickNumber(12345, -2, QLocale::c()), "12300");
}

TEST(NumericTicks, TicksFinerThanTheDecimalsAreLabelledOnlyWhereExact)
{
    const std::vector<TAxisTick> ticks = MakeAxisTicks(0, 0.001, ftNum, 4, 3, QLocale::c());
    ASSERT_EQ(ticks.size(), 6u);
    EXPECT_EQ(ticks.front().Label, "0.000");
    EXPECT_EQ(ticks[1].Label, "");
    EXPECT_EQ(ticks.back().Label, "0.001");
}

TEST(TimeStep, IsTheLargestTableEntryNotAboveSpanPerTick)
{
    const std::pair<double, double> spanAndStep[] = {{0.003, 0.001}, {0.0299, 0.005}, {90, 30},
                                                     {89.9, 20},     {3 * 3599, 1800}, {86399.9 * 3, 43200}};
    for (const auto &[span, expected] : spanAndStep) {
        const auto step = TimeTickStep(span, 3);
        ASSERT_TRUE(step.has_value()) << span;
        EXPECT_DOUBLE_EQ(step->Value(), expected) << span;
    }
}

TEST(TimeStep, FallsBackToNumbersBelowOneMillisecondAndFromOneDay)
{
    EXPECT_FALSE(TimeTickStep(0.0029, 3).has_value());
    EXPECT_FALSE(TimeTickStep(86400 * 3, 3).has_value());
    // On the axis: plain seconds with the axis's decimals.
    const std::vector<TAxisTick> ticks = MakeAxisTicks(0, 86400 * 6, ftTime, 3, 0, QLocale::c());
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks[1].Label, "200000");
    const std::vector<TAxisTick> fine = MakeAxisTicks(1, 1.002, ftTime, 3, 4, QLocale::c());
    ASSERT_FALSE(fine.empty());
    EXPECT_EQ(fine.front().Label, "1.0000");
}

TEST(TimeLabels, SignHoursMinutesSecondsAndMillisecondsBelowASecondStep)
{
    EXPECT_EQ(FormatTimeLabel(-90, 30), "-00:01:30");
    EXPECT_EQ(FormatTimeLabel(100 * 3600 + 61, 3600), " 100:01:01");
    EXPECT_EQ(FormatTimeLabel(-0.002, 0.001), "-00:00:00.002");
    EXPECT_EQ(FormatTimeLabel(59.9996, 0.001), " 00:01:00.000");
    // On the axis, whatever its decimals.
    const std::vector<TAxisTick> ticks = MakeAxisTicks(-1, 31.5, ftTime, 3, 4, QLocale::c());
    ASSERT_EQ(ticks.size(), 4u);
    EXPECT_EQ(ticks[1].Label, " 00:00:10");
}

} // namespace
