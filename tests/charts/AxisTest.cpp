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
    EXPECT_THAT(NumericTicks(0, 4, 4), ElementsAre(0, 1, 2, 3, 4));
    EXPECT_THAT(NumericTicks(0, 0.001, 4), ElementsAre(0, 0.0002, 0.0004, 0.0006, 0.0008, 0.001));
    EXPECT_THAT(NumericTicks(0, 63, 4), ElementsAre(0, 20, 40, 60));
    EXPECT_THAT(NumericTicks(-0.3, 0.45, 2), ElementsAre(-0.2, 0, 0.2, 0.4));
    EXPECT_THAT(NumericTicks(995, 1000, 4), ElementsAre(995, 996, 997, 998, 999, 1000));
}

TEST(NumericTicks, ValuesAreTheDoublesOfTheirDecimals)
{
    const std::vector<double> ticks = NumericTicks(0.1, 0.9, 5);
    ASSERT_EQ(ticks.size(), 9u);
    EXPECT_EQ(ticks[2], 0.3); // not 0.30000000000000004
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
    EXPECT_EQ(FormatTickNumber(-20, 0, german), "-20");
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

struct TStepCase {
    double Span;
    int MinTicks;
    double Step;
};

class TimeStep : public ::testing::TestWithParam<TStepCase> {};

TEST_P(TimeStep, IsTheLargestTableEntryNotAboveSpanPerTick)
{
    const auto step = TimeTickStep(GetParam().Span, GetParam().MinTicks);
    ASSERT_TRUE(step.has_value());
    EXPECT_DOUBLE_EQ(step->Value(), GetParam().Step);
}

INSTANTIATE_TEST_SUITE_P(Table, TimeStep,
                         ::testing::Values(TStepCase{0.003, 3, 0.001}, TStepCase{0.0299, 3, 0.005},
                                           TStepCase{31.5, 3, 10}, TStepCase{90, 3, 30}, TStepCase{89.9, 3, 20},
                                           TStepCase{540, 3, 180}, TStepCase{3 * 3599, 3, 1800},
                                           TStepCase{43200 * 3, 3, 43200}, TStepCase{86399.9 * 3, 3, 43200}));

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
    EXPECT_EQ(FormatTimeLabel(0, 10), " 00:00:00");
    EXPECT_EQ(FormatTimeLabel(32703, 300), " 09:05:03");
    EXPECT_EQ(FormatTimeLabel(-90, 30), "-00:01:30");
    EXPECT_EQ(FormatTimeLabel(100 * 3600 + 61, 3600), " 100:01:01");
    EXPECT_EQ(FormatTimeLabel(1.5, 0.5), " 00:00:01.500");
    EXPECT_EQ(FormatTimeLabel(-0.002, 0.001), "-00:00:00.002");
    EXPECT_EQ(FormatTimeLabel(59.9996, 0.001), " 00:01:00.000");
    EXPECT_EQ(FormatTimeLabel(1.0, 1), " 00:00:01");
}

TEST(TimeLabels, TicksOfATimeAxis)
{
    const std::vector<TAxisTick> ticks = MakeAxisTicks(-1, 31.5, ftTime, 3, 4, QLocale::c());
    std::vector<QString> labels;
    for (const TAxisTick &tick : ticks)
        labels.push_back(tick.Label);
    EXPECT_THAT(labels, ElementsAre(" 00:00:00", " 00:00:10", " 00:00:20", " 00:00:30"));
}

} // namespace
