#include "storage/RecordClock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::int64_t MsPerDay = 86400000;
// The day counts of 1 January 100 and 31 December 9999, the dates a record can carry.
constexpr double FirstDay = -657434.0;
constexpr double LastDay = 2958465.0;

// Rounded to the millisecond and held within what 64 bits count of them (about 292 million
// years): a NaN or infinite interval from a damaged file gives 0 rather than an undefined cast.
std::int64_t OffsetMs(double ms)
{
    constexpr double Largest = 9.0e18;
    if (!(std::fabs(ms) < Largest))
        return 0;
    return std::llround(ms);
}

// Division that rounds toward minus infinity, so times before the start's midnight land on
// the day before with a positive time of day.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t quotient = a / b;
    return (a % b != 0 && a < 0) ? quotient - 1 : quotient;
}

} // namespace

TRecordClock::TRecordClock(double startTime, double intervalSeconds)
    : IntervalMs(intervalSeconds * 1000.0)
{
    if (!(startTime >= FirstDay && startTime < LastDay + 1.0))
        startTime = 0.0;
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

TRecordStamp TRecordClock::SampleStamp(std::uint64_t index) const
{
    const std::int64_t total = StartMsOfDay + OffsetMs(static_cast<double>(index - 1) * IntervalMs);
    const std::int64_t days = FloorDiv(total, MsPerDay);
    return {StartDay + days, total - days * MsPerDay};
}

int TRecordClock::FormatSampleTime(std::uint64_t index, char *buffer) const
{
    const TRecordStamp stamp = SampleStamp(index);
    if (stamp.Day != CachedDay) {
        CachedDay = stamp.Day;
        const QDate date = QDate(1899, 12, 30).addDays(stamp.Day);
        const int length = std::snprintf(CachedDateText, sizeof CachedDateText, "%04d-%02d-%02d ", date.year(),
                                         date.month(), date.day());
        CachedDateLength = std::clamp(length, 0, int(sizeof CachedDateText) - 1);
    }
    // The clock reading digit by digit: this runs once per sample of a CSV export.
    const auto twoDigits = [](char *at, int value) {
        at[0] = char('0' + value / 10);
        at[1] = char('0' + value % 10);
    };
    const int hours = static_cast<int>(stamp.MsOfDay / 3600000);
    const int minutes = static_cast<int>(stamp.MsOfDay / 60000 % 60);
    const int seconds = static_cast<int>(stamp.MsOfDay / 1000 % 60);
    const int millis = static_cast<int>(stamp.MsOfDay % 1000);
    std::memcpy(buffer, CachedDateText, std::size_t(CachedDateLength));
    char *time = buffer + CachedDateLength;
    twoDigits(time, hours);
    time[2] = ':';
    twoDigits(time + 3, minutes);
    time[5] = ':';
    twoDigits(time + 6, seconds);
    time[8] = '.';
    time[9] = char('0' + millis / 100);
    twoDigits(time + 10, millis % 100);
    time[12] = '\0';
    return CachedDateLength + 12;
}

QString TRecordClock::SampleTimeText(std::uint64_t index) const
{
    char buffer[40];
    const int length = FormatSampleTime(index, buffer);
    return QString::fromLatin1(buffer, length);
}
