#pragma once
// The time of each sample of a record: the start plus (i - 1) intervals, counted on the
// wall clock as the record's day-count start time is (a calendar day and the milliseconds
// into it), so the day carries over midnight and a record of any length never overflows.

#include <QDate>
#include <QString>

#include <cstdint>

// A wall-clock moment: days since 30 December 1899 and the milliseconds into that day.
struct TRecordStamp {
    std::int64_t Day;
    std::int64_t MsOfDay;  // 0 ... 86399999
};

class TRecordClock {
public:
    // A start that is no day count at all (NaN, infinite, beyond the year 9999 or before the
    // year 100: a damaged file) counts from 30 December 1899 00:00.
    TRecordClock(double startTime, double intervalSeconds);

    TRecordStamp Start() const { return {StartDay, StartMsOfDay}; }
    // The moment of sample index (counted from 1), rounded to the millisecond.
    TRecordStamp SampleStamp(std::uint64_t index) const;

    // "yyyy-MM-dd HH:mm:ss.zzz" of sample index (counted from 1).
    QString SampleTimeText(std::uint64_t index) const;
    // The same into buffer (at least 40 bytes), without allocating; returns the length.
    int FormatSampleTime(std::uint64_t index, char *buffer) const;

private:
    std::int64_t StartDay = 0;  // days since 30 December 1899
    std::int64_t StartMsOfDay = 0;
    double IntervalMs = 0;
    // The "yyyy-MM-dd " of the last day formatted, so long records do not recompute it per sample.
    mutable std::int64_t CachedDay = INT64_MIN;
    // A damaged interval can carry a sample some hundred million years on: room for that year.
    mutable char CachedDateText[24] = {};
    mutable int CachedDateLength = 0;
};
