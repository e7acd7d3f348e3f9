#include "model/Exposure.h"

#include "model/Units.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double StrictestDensity = 2;
// Intervals of the meter give at most 3600 samples in the window; a damaged one cannot ask for more than this.
constexpr double LargestWindow = 1 << 20;
constexpr int MostDecimals = 6;

std::size_t WindowSamples(double interval)
{
    const double samples = std::round(ExposureAveragingSeconds / interval);
    // NaN fails every comparison: one sample then.
    return samples >= 1 ? std::size_t(std::min(samples, LargestWindow)) : 1;
}

} // namespace

double ReferenceDensity(double frequencyMHz)
{
    if (frequencyMHz >= 30 && frequencyMHz <= 400)
        return 2;
    if (frequencyMHz > 400 && frequencyMHz <= 2000)
        return frequencyMHz / 200;
    if (frequencyMHz > 2000 && frequencyMHz <= 300000)
        return 10;
    return StrictestDensity;
}

double ExposureShare(std::uint8_t unit, double value, std::uint16_t frequencyMHz)
{
    // DensityOf gives mW/m².
    return DensityOf(unit, value) / 1000.0 / ReferenceDensity(frequencyMHz);
}

TExposure::TExposure(double interval)
    : Window(WindowSamples(interval))
{
    Recent.reserve(Window);
}

void TExposure::Add(double share)
{
    ++Count;
    Peak = std::max(Peak, share);
    if (Recent.size() < Window) {
        Recent.push_back(share);
        Sum += share;
    } else {
        // The rounding this leaves grows with the largest share seen, which then lies in the
        // highest window: in long double it stays far below what the result shows.
        Sum += share - Recent[Oldest];
        Recent[Oldest] = share;
        Oldest = (Oldest + 1) % Window;
    }
    if (Recent.size() == Window)
        BestSum = std::max(BestSum, double(Sum));
}

double TExposure::HighestAverage() const
{
    if (Count == 0)
        return 0;
    if (ShorterThanWindow())
        return std::max(0.0, double(Sum) / double(Count));
    return std::max(0.0, BestSum / double(Window));
}

QString ExposurePercentText(double share, const QLocale &locale)
{
    const double percent = 100 * share;
    if (!(percent > 0))
        return QStringLiteral("0 %");
    const double smallest = std::pow(10.0, -MostDecimals);
    if (percent < smallest)
        return QStringLiteral("< ") + locale.toString(smallest, 'f', MostDecimals) + QStringLiteral(" %");
    const int magnitude = int(std::floor(std::log10(percent)));
    const int decimals = std::clamp(2 - magnitude, 1, MostDecimals);
    return locale.toString(percent, 'f', decimals) + QStringLiteral(" %");
}
