#pragma once
// The small pieces of the live sample pipeline that need no window: a value with the time it
// was reached and the acquisition settings of a run. The marks' shapes and the peak frequency's
// colour are the record windows' too.

#include "charts/MarkShapes.h"
#include "model/FrequencyColours.h"

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

