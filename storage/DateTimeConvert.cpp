#include "storage/DateTimeConvert.h"

#include <QTimeZone>

#include <cmath>
#include <cstdint>

namespace {

constexpr std::int64_t MsPerDay = 86400000;
// 1 January 100 and the day after 31 December 9999, the bounds of the encoding; they also
// keep the integer conversions below defined for whatever a damaged file holds.
constexpr double FirstDay = -657434.0;
constexpr double EndDay = 2958466.0;

QDate Epoch()
{
    return QDate(1899, 12, 30);
}

} // namespace

double ToTDateTime(const QDateTime &dateTime)
{
    const QDateTime local = dateTime.toLocalTime();
    const double days = static_cast<double>(Epoch().daysTo(local.date()));
    const double fraction = static_cast<double>(local.time().msecsSinceStartOfDay()) / MsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

QDateTime FromTDateTime(double days)
{
    if (!(days > FirstDay - 1.0 && days < EndDay))  // also false for NaN
        return {};
    const double wholeDays = std::trunc(days);
    auto day = static_cast<std::int64_t>(wholeDays);
    auto msOfDay = static_cast<std::int64_t>(std::llround(std::fabs(days - wholeDays) * MsPerDay));
    if (msOfDay >= MsPerDay) {  // rounded up to the next midnight
        msOfDay -= MsPerDay;
        ++day;
    }
    const QDate date = Epoch().addDays(day);
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(msOfDay));
    const QDateTime local(date, time, Qt::LocalTime);
    if (local.isValid())
        return local;
    // The clock skipped this time: read it with the offset in force before the change.
    const QDateTime wallClockAsUtc(date, time, QTimeZone::utc());
    const int offsetBefore = wallClockAsUtc.addDays(-1).toLocalTime().offsetFromUtc();
    return wallClockAsUtc.addSecs(-offsetBefore).toLocalTime();
}
