// The ranges of the chart, and the ticks and labels of its axes.

#include "charts/AxisTicks.h"
#include "charts/NumericTicks.h"
#include "charts/ChartWidget.h"
#include "charts/TimeLabels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using ::testing::ElementsAre;

namespace {

// A write too close to (or past) the other limit pushes it away; the window stays open and
// finite where the minimum range is lost in precision and against non-finite writes.
TEST(ChartRanges, StayOpenAndFiniteAndAWriteTooCloseToTheOtherLimitPushesItAway)
{
    TChartWidget chart;
    chart.SetMinRangeX(1e-10);
    chart.SetMinRangeY(1e-10);
    chart.SetRanges(5, 0, 5, 1);
    EXPECT_DOUBLE_EQ(chart.RangeLoX(), 5 - 0.5e-10);
    EXPECT_DOUBLE_EQ(chart.RangeHiX(), 5 + 0.5e-10);
    chart.SetRangeLoX(40);
    EXPECT_DOUBLE_EQ(chart.RangeHiX(), 40 + 1e-10);
    chart.SetRanges(100, 1e9, 200, 1e9); // x forwards past the old window
    EXPECT_EQ(chart.RangeLoX(), 100);
    EXPECT_EQ(chart.RangeHiX(), 200);
    EXPECT_GT(chart.RangeHiY() - chart.RangeLoY(), 0);
    chart.SetRangeHiY(std::nan(""));
    chart.SetRangeLoY(INFINITY);
    EXPECT_TRUE(std::isfinite(chart.RangeLoY()) && std::isfinite(chart.RangeHiY()));
    EXPECT_GT(chart.RangeHiY() - chart.RangeLoY(), 0);
}

// The look is taken whole, with every value brought into its bounds.
TEST(ChartAppearance, IsTakenWithinItsBounds)
{
    TChartWidget chart;
    TChartAppearance look;
    look.LineWidth = 0;
    look.IdOrdinate = QString(60, u'x');
    look.DecPlaceX = -7;
    look.DecPlaceY = 20;
    look.MinTickX = 1;
    look.MinTickY = 11;
    look.LRim = -4;
    chart.SetAppearance(look);
    const TChartAppearance &taken = chart.Appearance();
    EXPECT_EQ(std::tuple(taken.LineWidth, taken.IdOrdinate.size(), taken.DecPlaceX, taken.DecPlaceY, taken.MinTickX,
                         taken.MinTickY, taken.LRim),
              std::tuple(1, 50, -3, 12, 2, 10, 0));
}

std::vector<double> NumericTicks(double lo, double hi, int minTicks)
{
    return TickValues(lo, hi, NumericTickStep(lo, hi, minTicks));
}

TEST(NumericTicks, TakeTheLargestRoundStepThatGivesEnoughTicksAndAreLabelledWithTheAxissDecimals)
{
    EXPECT_THAT(NumericTicks(-33.5, 33.5, 5), ElementsAre(-30, -20, -10, 0, 10, 20, 30));
    EXPECT_THAT(NumericTicks(-0.3, 0.45, 2), ElementsAre(-0.2, 0, 0.2, 0.4));
    // The values are the doubles of their decimals: 0.3, not 0.30000000000000004.
    EXPECT_THAT(NumericTicks(0.1, 0.5, 4), ElementsAre(0.1, 0.2, 0.3, 0.4, 0.5));
    EXPECT_TRUE(NumericTicks(1, 1, 4).empty());
    EXPECT_TRUE(NumericTicks(-1e308, 1e308, 4).empty());
    // Where the doubles cannot tell the ticks apart, the walk still ends.
    EXPECT_LE(NumericTicks(1e17, 1e17 + 64, 10).size(), 1000u);
    // Labels have the axis's decimals and the locale's separator; finer ticks are labelled only where exact.
    EXPECT_EQ(FormatTickNumber(12345.5, 1, QLocale(QLocale::German)), "12345,5");
    EXPECT_EQ(FormatTickNumber(12345, -2, QLocale::c()), "12300");
    const std::vector<TAxisTick> ticks = MakeAxisTicks(0, 0.001, ftNum, 4, 3, QLocale::c());
    ASSERT_EQ(ticks.size(), 6u);
    EXPECT_EQ(ticks.front().Label, "0.000");
    EXPECT_EQ(ticks[1].Label, "");
    EXPECT_EQ(ticks.back().Label, "0.001");
}

TEST(TimeTicks, TakeTheLargestTableStepNotAboveSpanPerTickAndShowTheClockOrElseNumbers)
{
    const std::pair<double, double> spanAndStep[] = {{0.003, 0.001}, {0.0299, 0.005}, {90, 30}, {89.9, 20},
                                                     {3 * 3599, 1800}, {86399.9 * 3, 43200}};
    for (const auto &[span, expected] : spanAndStep)
        EXPECT_DOUBLE_EQ(TimeTickStep(span, 3).value().Value(), expected) << span;
    // Below a millisecond and from a day on: plain seconds with the axis's decimals.
    EXPECT_FALSE(TimeTickStep(0.0029, 3).has_value());
    const std::vector<TAxisTick> ticks = MakeAxisTicks(0, 86400 * 6, ftTime, 3, 0, QLocale::c());
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks[1].Label, "200000");
    // Labels: sign, hours, minutes, seconds, and milliseconds below a second step.
    EXPECT_EQ(FormatTimeLabel(-90, 30), "-00:01:30");
    EXPECT_EQ(FormatTimeLabel(100 * 3600 + 61, 3600), " 100:01:01");
    EXPECT_EQ(FormatTimeLabel(-0.002, 0.001), "-00:00:00.002");
    EXPECT_EQ(FormatTimeLabel(59.9996, 0.001), " 00:01:00.000");
    const std::vector<TAxisTick> clock = MakeAxisTicks(-1, 31.5, ftTime, 3, 4, QLocale::c());
    ASSERT_EQ(clock.size(), 4u);
    EXPECT_EQ(clock[1].Label, " 00:00:10"); // whatever the axis's decimals
}

} // namespace
