#pragma once
// The write buffer of a recording: a fixed number of sample records, overwritten oldest
// first once full. The recording flushes it into the log whenever it is full, so disk
// writes come in groups.

#include "model/SampleRecord.h"

#include <cstdint>
#include <vector>

class TCircBuffer {
public:
    // Allocates capacity zeroed slots. When that fails, says so in a message box and
    // becomes a buffer without storage, which ignores Push. A capacity below 1 has no
    // storage either.
    explicit TCircBuffer(std::int32_t capacity);

    void Push(const TSampleRecord &record);
    // The stored records in push order, oldest first; the buffer stays as it is.
    void GetAll(std::vector<TSampleRecord> &records) const;
    // Forgets the records; the slots keep their old contents.
    void Clear() { PushedCount = 0; }

    std::int32_t Capacity() const { return SlotCount; }
    // Records pushed since creation or the last Clear; not bounded by Capacity.
    std::uint32_t Count() const { return PushedCount; }
    bool HasStorage() const { return !Data.empty(); }

private:
    std::int32_t SlotCount;
    std::uint32_t PushedCount = 0;
    std::vector<TSampleRecord> Data;
};

// The write buffer's capacity for a measurement interval: 10 below 0.6 s, 5 below 2 s, else 1.
std::int32_t WriteBufferCapacityFor(double intervalSeconds);
