#pragma once
// The records of a memory transfer, in order of arrival. It starts with room for 1024, and
// doubles its room whenever a transfer brings more, so that a long transfer is kept whole and
// no record is ever stored outside it.

#include "model/SampleRecord.h"

#include <cstddef>
#include <vector>

class TImportBuffer {
public:
    static constexpr std::size_t InitialLength = 1024;

    TImportBuffer();

    // The room it holds now; the progress of a transfer runs to it.
    std::size_t Length() const { return Slots.size(); }
    // The records stored, which is also the index of the next free slot.
    std::size_t Count() const { return Stored; }

    // Stores record after the others, doubling the room when it is full.
    void Add(const TSampleRecord &record);
    // The stored records, first arrived first.
    std::vector<TSampleRecord> Records() const;
    // No record, and the first room again.
    void Clear();

private:
    std::vector<TSampleRecord> Slots;
    std::size_t Stored = 0;
};
