#pragma once
// The small pieces of the live sample pipeline that need no window: a value with the time it
// was reached, the acquisition settings of a run, the mark shape for a number of visible
// points, and the colour of a peak frequency.

#include <QColor>

#include <cstdint>

struct TTimedValue {
    double Value; // in the run's unit
    double Time;  // day count
};

TTimedValue MakeTimedValue(double value, double time);

// The four acquisition settings as the main window's controls give them.
struct TAcquisitionChoice {
    std::uint8_t Unit = 0;
    double Interval = 0.0; // seconds
    int Correction = 0;    // dB
    int VisibleSamples = 0;
};

// Mark shapes of the time chart: a 7-pixel disc up to 150 points, a 5-pixel disc up to 300,
// a 3 x 3 square above.
inline constexpr std::uint8_t ShapeSquare3 = 7, ShapeDisc7 = 24, ShapeDisc5 = 26;
std::uint8_t MarkShapeFor(std::int64_t visibleSamples);

// The colour of the peak-frequency read-out: one per thousand (0 ... 999, 1000 ... 1999 ...),
// the eighth from 7000 up.
QColor FrequencyColour(std::uint16_t peakFrequency);
