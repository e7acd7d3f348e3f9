#include "charts/TimeLabels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

// The steps in milliseconds.
constexpr std::array<double, 27> StepsMs = {
    1,       2,       5,       10,       20,       50,       100,      200,     500,
    1000,    2000,    5000,    10000,    20000,    30000,    60000,    120000,  180000,
    300000,  600000,  1200000, 1800000,  3600000,  7200000,  14400000, 21600000, 43200000,
};

constexpr double SecondsPerDay = 86400;
constexpr double LargestTimeSeconds = 1e12;

QString TwoDigits(std::int64_t value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

std::optional<TTickStep> TimeTickStep(double span, int minTicks)
{
    // In milliseconds, so that a span of exactly minTicks ms is not lost to 0.001's rounding.
    const double quotientMs = span * 1000 / std::max(minTicks, 2);
    if (!(quotientMs >= StepsMs.front()) || !(quotientMs < SecondsPerDay * 1000))
        return std::nullopt;
    const double stepMs = *(std::upper_bound(StepsMs.begin(), StepsMs.end(), quotientMs) - 1);
    return TTickStep{stepMs, 1000.0};
}

QString FormatTimeLabel(double seconds, double step)
{
    const QChar sign = seconds < 0 ? QLatin1Char('-') : QLatin1Char(' ');
    const bool showMs = step < 1.0;
    const double magnitude = std::min(std::fabs(seconds), LargestTimeSeconds);
    const auto units = std::int64_t(std::llround(magnitude * (showMs ? 1000 : 1)));
    const std::int64_t wholeSeconds = showMs ? units / 1000 : units;
    QString text = sign + TwoDigits(wholeSeconds / 3600) + QLatin1Char(':')
                   + TwoDigits(wholeSeconds / 60 % 60) + QLatin1Char(':') + TwoDigits(wholeSeconds % 60);
    if (showMs)
        text += QLatin1Char('.') + QString::number(units % 1000).rightJustified(3, QLatin1Char('0'));
    return text;
}

bool IsTimeLabelRange(double lo, double hi)
{
    return std::fabs(lo) < LargestTimeSeconds && std::fabs(hi) < LargestTimeSeconds;
}
