#pragma once
// The samples of a recording that its log could not take yet (a full disk, a folder gone or
// made read-only), kept in memory in their order until the log takes them. Memory grows with
// them up to a limit: samples beyond it are counted as lost instead, so a failure that lasts
// for weeks cannot exhaust the memory.

#include "model/SampleRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TUnwrittenSamples {
public:
    // 64 MiB of samples: 48 days at the shortest interval.
    static constexpr std::size_t DefaultLimit = std::size_t{8} << 20;

    explicit TUnwrittenSamples(std::size_t limit = DefaultLimit) : Limit(limit) {}

    // Keeps records after those already kept, for the next write to the log.
    void Add(const std::vector<TSampleRecord> &records);
    // The kept records, oldest first: what the next write to the log must put down.
    const std::vector<TSampleRecord> &Records() const { return Kept; }
    // The kept records are in the log now; the lost ones stay counted.
    void Written() { Kept = {}; }
    // The log did not take them: they stay for the next write, the oldest up to the limit;
    // the newer ones beyond it are lost.
    void NotWritten();
    // Samples of this recording that are not in its log: the kept ones and the lost ones.
    std::uint64_t MissingCount() const { return Kept.size() + Lost; }
    // A new recording begins.
    void Clear();

private:
    std::size_t Limit;
    std::vector<TSampleRecord> Kept;
    std::uint64_t Lost = 0;
};
