#pragma once
// How the numbers of a stored record are taken when its files are damaged, so that the record
// viewer and the export show the same record: no NaN or infinity goes on from here.

// The interval of a record without a .meta file, and of one whose interval is damaged.
inline constexpr double DefaultRecordInterval = 0.5;

// A stored reading; one the meter cannot send (NaN, infinite) counts as 0, at the bottom of
// every scale, as a reading of 0 or below does.
double RecordReading(float stored);

// The interval of a record in seconds; none, negative or not finite would put every sample
// at one time (or run the clock backwards), so it counts as DefaultRecordInterval.
double RecordInterval(double stored);
