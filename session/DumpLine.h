#pragma once
// The lines of the meter's memory dump. A line that names the "Interval" is a header line;
// every other line is a data line laid out as a measurement line (the reading in characters
// 1 to 8, the peak frequency in 10 to 13), whatever its length.

#include "model/SampleRecord.h"

#include <QString>

#include <optional>

// Readings below this are empty memory cells, not measurements.
inline constexpr float ImportThreshold = 0.0001f;

bool IsDumpHeaderLine(const QString &line);

// The record a data line stores: the reading as the meter sent it (no correction), the low
// 16 bits of the peak frequency, mark 0. nullopt for a reading below ImportThreshold, and for
// a line whose reading or frequency is not a number.
std::optional<TSampleRecord> DumpRecord(const QString &line);
