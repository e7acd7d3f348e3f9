#pragma once
// The text lines the meter writes, each ending in CR LF.

#include <QByteArray>
#include <QList>

// Measurement line, 15 characters: the reading in 8 characters (right-aligned, 4 decimals,
// fewer when the number needs the room), a blank, the peak frequency in 4 characters
// (blank-padded, "   0" for none), CR LF. Readings and frequencies that cannot be shown are
// clamped to the largest that can.
QByteArray MeasurementLine(double value, int frequency, bool decimalComma);

// The line of a meter set to dBm output, 13 characters: e.g. "  -23.5 dBm" and CR LF.
QByteArray DbmLine(double dbm);

// The header lines that open a memory dump; each holds the word "Interval".
QList<QByteArray> DumpHeaderLines(double intervalSeconds, qint64 records);
