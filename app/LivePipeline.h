#pragma once
// The small pieces of the live sample pipeline that need no window: a value with the time it
// was reached, the mark shape for a number of visible points, and the colour of a peak
// frequency.

#include "session/LiveSettings.h"

#include <QColor>

#include <cstdint>

struct TTimedValue {
    double Value; // in the run's unit
    double Time;  // day count
};

TTimedValue MakeTimedValue(double value, double time);

// Mark shapes of the time chart: a 7-pixel disc up to 150 points, a 5-pixel disc up to 300,
// a 3 x 3 square above.
inline constexpr std::uint8_t ShapeSquare3 = 7, ShapeDisc7 = 24, ShapeDisc5 = 26;
std::uint8_t MarkShapeFor(std::int64_t visibleSamples);

// The colour of the peak-frequency read-out: one per thousand (0 ... 999, 1000 ... 1999 ...),
// the eighth from 7000 up.
QColor FrequencyColour(std::uint16_t peakFrequency);
