// The exposure shares against a computation written out here: the reference table read
// directly, and every 30-minute window summed on its own.

#include "model/Exposure.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The table as the guidelines print it, W/m² at f MHz.
double TableDensity(double f)
{
    if (f < 30 || f > 300000)
        return 2;
    if (f <= 400)
        return 2;
    if (f <= 2000)
        return f / 200;
    return 10;
}

// The highest mean over every window of `window` consecutive shares, each summed afresh.
double BruteHighestAverage(const std::vector<double> &shares, std::size_t window)
{
    if (shares.size() < window) {
        double sum = 0;
        for (const double share : shares)
            sum += share;
        return sum / double(shares.size());
    }
    double best = 0;
    for (std::size_t start = 0; start + window <= shares.size(); ++start) {
        double sum = 0;
        for (std::size_t k = start; k < start + window; ++k)
            sum += shares[k];
        best = std::max(best, sum / double(window));
    }
    return best;
}

TEST(Exposure, ReferenceDensityFollowsEachBandAndItsEdgesInBothUnits)
{
    for (const double f : {0.0, 1.0, 29.0, 30.0, 100.0, 400.0, 401.0, 900.0, 1800.0, 1999.0, 2000.0, 2001.0, 2450.0,
                           5800.0, 65535.0, 300000.0, 300001.0})
        EXPECT_DOUBLE_EQ(ReferenceDensity(f), TableDensity(f)) << f;
    EXPECT_DOUBLE_EQ(ReferenceDensity(900), 4.5);

    // 1 W/m² at 900 MHz: 1 / 4.5; in V/m that is sqrt(376.73) V/m.
    EXPECT_NEAR(ExposureShare(UnitMWm2, 1000.0, 900), 1 / 4.5, 1e-12);
    EXPECT_NEAR(ExposureShare(UnitVm, std::sqrt(376.73), 900), 1 / 4.5, 1e-9);
    // No frequency: the strictest level; 2.45 GHz: 10 W/m².
    EXPECT_NEAR(ExposureShare(UnitMWm2, 1000.0, 0), 0.5, 1e-12);
    EXPECT_NEAR(ExposureShare(UnitMWm2, 1000.0, 2450), 0.1, 1e-12);
    EXPECT_EQ(ExposureShare(UnitVm, -3.0, 900), 0.0);
}

TEST(Exposure, HighestHalfHourAverageIsFoundWhereverItLies)
{
    // One and a half hours at 1 s with a hot half hour in the middle and a spike in the
    // quiet part that does not outweigh it.
    std::vector<double> shares(5400, 1e-9);
    for (std::size_t k = 1500; k < 3300; ++k)
        shares[k] = 0.02 + 1e-5 * double(k % 7);
    shares[200] = 3.0;
    TExposure exposure(1.0);
    for (const double share : shares)
        exposure.Add(share);
    EXPECT_FALSE(exposure.ShorterThanWindow());
    EXPECT_EQ(exposure.PeakShare(), 3.0);
    const double expected = BruteHighestAverage(shares, 1800);
    EXPECT_NEAR(exposure.HighestAverage(), expected, expected * 1e-12);

    // At 10 s the window is 180 samples: now the spike's windows are the highest.
    TExposure coarse(10.0);
    for (const double share : shares)
        coarse.Add(share);
    EXPECT_NEAR(coarse.HighestAverage(), BruteHighestAverage(shares, 180), 1e-12);
    EXPECT_GT(coarse.HighestAverage(), 3.0 / 180);
}

TEST(Exposure, RecordShorterThanHalfAnHourIsAveragedOverItsWholeLength)
{
    // 30 minutes at 0.5 s are 3600 samples: one fewer is short, exactly that many is not.
    std::vector<double> shares;
    for (int k = 0; k < 3599; ++k)
        shares.push_back(k % 2 ? 0.001 : 0.003);
    TExposure shortRecord(0.5);
    for (const double share : shares)
        shortRecord.Add(share);
    EXPECT_TRUE(shortRecord.ShorterThanWindow());
    EXPECT_NEAR(shortRecord.HighestAverage(), BruteHighestAverage(shares, 3600), 1e-15);
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
