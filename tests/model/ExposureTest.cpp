// The exposure shares: the reference levels at their band edges, and the highest 30-minute
// average of shares laid out so that its value is known by hand.

#include "model/Exposure.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

TExposure ExposureOf(double interval, const std::vector<double> &shares)
{
    TExposure exposure(interval);
    for (const double share : shares)
        exposure.Add(share);
    return exposure;
}

TEST(Exposure, ReferenceDensityFollowsEachBandAndItsEdgesInBothUnits)
{
    // W/m² at f MHz: 2 up to 400, f / 200 up to 2 GHz, 10 up to 300 GHz, the strictest (2) beyond
    // and for no frequency.
    const std::pair<double, double> table[] = {{0, 2},     {400, 2},   {401, 2.005},  {900, 4.5},
                                               {2000, 10}, {2001, 10}, {300000, 10}, {300001, 2}};
    for (const auto &[f, density] : table)
        EXPECT_DOUBLE_EQ(ReferenceDensity(f), density) << f;

    // 1 W/m² at 900 MHz: 1 / 4.5; in V/m that is sqrt(376.73) V/m.
    EXPECT_NEAR(ExposureShare(UnitMWm2, 1000.0, 900), 1 / 4.5, 1e-12);
    EXPECT_NEAR(ExposureShare(UnitVm, std::sqrt(376.73), 900), 1 / 4.5, 1e-9);
    EXPECT_EQ(ExposureShare(UnitVm, -3.0, 900), 0.0);
}

TEST(Exposure, HighestHalfHourAverageIsFoundWhereverItLies)
{
    // One and a half hours at 1 s: a spike early on, later a hot half hour of exactly 1800
    // samples. A window one sample long or short, or a spike never taken out of the running
    // sum, would move either average.
    std::vector<double> shares(5400, 0.0);
    shares[200] = 4.5;
    std::fill(shares.begin() + 1500, shares.begin() + 3300, 0.02);
    const TExposure exposure = ExposureOf(1.0, shares);
    EXPECT_FALSE(exposure.ShorterThanWindow());
    EXPECT_EQ(exposure.PeakShare(), 4.5);
    EXPECT_NEAR(exposure.HighestAverage(), 0.02, 1e-14);
    // At 10 s the window is 180 samples: now the spike's windows are the highest.
    EXPECT_NEAR(ExposureOf(10.0, shares).HighestAverage(), 4.5 / 180, 1e-14);
}

TEST(Exposure, RecordShorterThanHalfAnHourIsAveragedOverItsWholeLength)
{
    // 30 minutes at 0.5 s are 3600 samples: one fewer is short, exactly that many is not.
    std::vector<double> shares;
    for (int k = 0; k < 3599; ++k)
        shares.push_back(k % 2 ? 0.001 : 0.003);
    TExposure shortRecord = ExposureOf(0.5, shares);
    EXPECT_TRUE(shortRecord.ShorterThanWindow());
    EXPECT_NEAR(shortRecord.HighestAverage(), (1800 * 0.003 + 1799 * 0.001) / 3599, 1e-15);
    shortRecord.Add(0.001);
    EXPECT_FALSE(shortRecord.ShorterThanWindow());
    EXPECT_NEAR(shortRecord.HighestAverage(), 0.002, 1e-15);

    const TExposure none(3.0);
    EXPECT_EQ(none.HighestAverage(), 0.0);
    // A damaged interval still gives a window.
    TExposure damaged(std::nan(""));
    damaged.Add(0.25);
    EXPECT_EQ(std::pair(damaged.HighestAverage(), damaged.ShorterThanWindow()), std::pair(0.25, false));
}

TEST(Exposure, PercentTextKeepsThreeDigitsForSmallShares)
{
    const QLocale c(QLocale::C);
    EXPECT_EQ(ExposurePercentText(0.5, c), "50.0 %");
    EXPECT_EQ(ExposurePercentText(0.0123, c), "1.23 %");
    EXPECT_EQ(ExposurePercentText(5.12e-6, c), "0.000512 %");
    EXPECT_EQ(ExposurePercentText(3e-9, c), "< 0.000001 %");
    EXPECT_EQ(ExposurePercentText(0, c), "0 %");
    EXPECT_EQ(ExposurePercentText(0.0123, QLocale(QLocale::German)), "1,23 %");
}

} // namespace
