#pragma once
// The 8-byte sample record of the write buffer and of the log file (little-endian on disk).

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TSampleRecord {
    float Value = 0.0f;          // corrected reading in the record's unit
    std::uint16_t Frequency = 0; // peak frequency, 0 = none
    std::uint8_t Mark = 0;       // always written as 0
    std::uint8_t Padding = 0;    // written as 0
};
#pragma pack(pop)

static_assert(sizeof(TSampleRecord) == 8);
static_assert(offsetof(TSampleRecord, Value) == 0);
static_assert(offsetof(TSampleRecord, Frequency) == 4);
static_assert(offsetof(TSampleRecord, Mark) == 6);
static_assert(offsetof(TSampleRecord, Padding) == 7);

// Fills a zeroed record from its three data fields; the padding byte is left as it is.
inline void MakeSampleRecord(std::uint16_t frequency, std::uint8_t mark, TSampleRecord &record, float value)
{
    record.Value = value;
    record.Frequency = frequency;
    record.Mark = mark;
}
