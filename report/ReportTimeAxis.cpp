#include "report/ReportTimeAxis.h"

#include <QTime>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr double SecondsPerDay = 86400;
constexpr std::size_t MostTicks = 1000;

constexpr std::array<double, 27> StepSeconds = {
    1,     2,     5,     10,    20,     30,     60,     120,    300,        600,
    1200,  1800,  3600,  7200,  10800,  21600,  43200,  86400,  2 * 86400,  7 * 86400,
    14 * 86400, 28 * 86400, 56 * 86400, 91 * 86400, 182 * 86400, 364 * 86400, 728 * 86400,
};

// The largest step that still gives minTicks ticks, or the smallest when none does.
double StepFor(double span, int minTicks)
{
    const double most = span / std::max(minTicks, 2);
    const auto above = std::upper_bound(StepSeconds.begin(), StepSeconds.end(), most);
    return above == StepSeconds.begin() ? StepSeconds.front() : *(above - 1);
}

QString DateText(const QDate &day, bool withYear, const QLocale &locale)
{
    return locale.toString(day, withYear ? QStringLiteral("d MMM yyyy") : QStringLiteral("d MMM"));
}

} // namespace

std::vector<TAxisTick> ReportTimeTicks(double lo, double hi, double recordEnd, const QDate &firstDay, int minTicks,
                                       const QLocale &locale)
{
    if (recordEnd <= SecondsPerDay)
        return MakeAxisTicks(lo, hi, ftTime, minTicks, 0, locale);
    std::vector<TAxisTick> ticks;
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi))
        return ticks;
    const double step = StepFor(hi - lo, minTicks);
    const bool withSeconds = step < 60;
    const bool withYear = firstDay.addDays(std::int64_t(std::floor(lo / SecondsPerDay))).year() !=
                          firstDay.addDays(std::int64_t(std::floor(hi / SecondsPerDay))).year();
    std::int64_t lastDay = INT64_MIN;
    for (double k = std::ceil(lo / step); k * step <= hi && ticks.size() < MostTicks; ++k) {
        const double value = k * step;
        const auto day = std::int64_t(std::floor(value / SecondsPerDay));
        const auto second = int(std::llround(value - double(day) * SecondsPerDay));
        QString label;
        if (step < SecondsPerDay)
            label = QTime(0, 0).addSecs(second).toString(withSeconds ? QStringLiteral("HH:mm:ss")
                                                                     : QStringLiteral("HH:mm"));
        if (day != lastDay)
            label = (DateText(firstDay.addDays(day), withYear, locale) + u' ' + label).trimmed();
        lastDay = day;
        ticks.push_back({value, label});
    }
    return ticks;
}
