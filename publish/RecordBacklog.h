#pragma once
// The readings of a recording that found no room in the memory queue, left in the record's
// log: the log holds every sample at its index, and the record gives it its time (the start
// plus the intervals before it, as the record viewer shows it), so they are read back in
// order once the queue has room again, however long the broker was away.

#include "model/Risk.h"
#include "publish/PublishedReading.h"
#include "storage/RecordClock.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

class TRecordBacklog {
public:
    // The samples from index first (counted from 1) of the log at logPath.
    TRecordBacklog(QString logPath, QString recordName, double startTime, double interval, std::uint8_t unit,
                   std::uint64_t first);

    // The recording has processed sample index last: it waits too.
    void Extend(std::uint64_t last) { Last = last; }
    // Every waiting reading has been taken.
    bool Empty() const { return Next > Last; }

    // Up to most of the waiting readings that the log holds by now, oldest first (the samples
    // of the write buffer follow once it is appended). EInOutError when the log cannot be read.
    std::vector<TPublishedReading> Take(std::size_t most, TPopulation population, TTargetState state);

private:
    const QString LogPath;
    const QString RecordName;
    const TRecordClock Clock;
    const std::uint8_t Unit;
    std::uint64_t Next;
    std::uint64_t Last;
};
