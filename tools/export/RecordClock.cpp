#include "tools/export/RecordClock.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr std::int64_t MsPerDay = 86400000;
}

TRecordClock::TRecordClock(double startTime, double intervalSeconds)
    : IntervalMs(intervalSeconds * 1000.0)
{
    // Day counts before 30 December 1899 are negative; their fraction still counts forward
    // from midnight of the day named by the integer part.
    const double day = std::trunc(startTime);
    StartDay = static_cast<std::int64_t>(day);
    StartMsOfDay = std::llround(std::fabs(startTime - day) * MsPerDay);
    if (StartMsOfDay >= MsPerDay) {
        StartMsOfDay -= MsPerDay;
        ++StartDay;
    }
}

int TRecordClock::FormatSampleTime(std::uint64_t index, char *buffer) const
{
    const std::int64_t offsetMs = std::llround(static_cast<double>(index - 1) * IntervalMs);
    const std::int64_t total = StartMsOfDay + offsetMs;
    const std::int64_t day = StartDay + total / MsPerDay;
    const std::int64_t msOfDay = total % MsPerDay;
    if (day != CachedDay) {
        CachedDay = day;
        CachedDate = QDate(1899, 12, 30).addDays(day);
    }
    const int hours = static_cast<int>(msOfDay / 3600000);
    const int minutes = static_cast<int>(msOfDay / 60000 % 60);
    const int seconds = static_cast<int>(msOfDay / 1000 % 60);
    const int millis = static_cast<int>(msOfDay % 1000);
    return std::snprintf(buffer, 32, "%04d-%02d-%02d %02d:%02d:%02d.%03d", CachedDate.year(), CachedDate.month(),
                         CachedDate.day(), hours, minutes, seconds, millis);
}

QString TRecordClock::SampleTimeText(std::uint64_t index) const
{
    char buffer[32];
    const int length = FormatSampleTime(index, buffer);
    return QString::fromLatin1(buffer, length);
}
