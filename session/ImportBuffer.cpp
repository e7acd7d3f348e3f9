#include "session/ImportBuffer.h"

TImportBuffer::TImportBuffer() : Slots(InitialLength) {}

void TImportBuffer::Add(const TSampleRecord &record)
{
    if (Stored == Slots.size())
        Slots.resize(Slots.size() * 2);
    Slots[Stored++] = record;
}

std::vector<TSampleRecord> TImportBuffer::Records() const
{
    return {Slots.begin(), Slots.begin() + static_cast<std::ptrdiff_t>(Stored)};
}

void TImportBuffer::Clear()
{
    // A long transfer's room is given back rather than kept for the next one.
    std::vector<TSampleRecord>(InitialLength).swap(Slots);
    Stored = 0;
}
