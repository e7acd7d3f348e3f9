#pragma once
// The metadata record of a log, the whole content of its .meta file: 576 bytes,
// little-endian, written and read byte for byte, padding and stale string tails included.

#include "storage/ShortString.h"

#include <QString>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TMetaData {
    std::uint16_t Version = 0;   // 1
    TShortString<32> Operator;
    TShortString<255> Place;
    TShortString<255> Notes;
    std::uint8_t Pad1[5] = {};
    double StartTime = 0.0;      // day count, see storage/DateTimeConvert.h
    std::uint8_t Unit = 0;       // 0 = V/m, 1 = mW/m²
    std::int8_t Correction = 0;  // dB: 0, 3 or 6
    std::uint8_t Pad2[6] = {};
    double Interval = 0.0;       // seconds
};
#pragma pack(pop)

static_assert(sizeof(TMetaData) == 576);
static_assert(offsetof(TMetaData, Version) == 0);
static_assert(offsetof(TMetaData, Operator) == 2);
static_assert(offsetof(TMetaData, Place) == 35);
static_assert(offsetof(TMetaData, Notes) == 291);
static_assert(offsetof(TMetaData, Pad1) == 547);
static_assert(offsetof(TMetaData, StartTime) == 552);
static_assert(offsetof(TMetaData, Unit) == 560);
static_assert(offsetof(TMetaData, Correction) == 561);
static_assert(offsetof(TMetaData, Pad2) == 562);
static_assert(offsetof(TMetaData, Interval) == 568);

// Stores startTime into meta (which keeps it), then creates or replaces the file with the
// record's 576 bytes. The file is replaced only once the new one is complete, so a failure
// (EInOutError) leaves the old file or none, never a part of one.
void WriteMetaFile(const QString &path, TMetaData &meta, double startTime);

// Reads the first 576 bytes of the file into meta; a longer file's rest is ignored. A
// shorter file, or any failure, is an EInOutError and leaves meta as it was.
void ReadMetaFile(const QString &path, TMetaData &meta);
