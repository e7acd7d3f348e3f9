#pragma once
// The small pieces of the live sample pipeline that need no window: a value with the time it
// was reached. The acquisition settings, the marks' shapes and the peak frequency's colour it
// uses have their own homes, shared with the session and the record windows.

#include "session/LiveSettings.h"

#include "charts/MarkShapes.h"
#include "model/FrequencyColours.h"

#include <cstdint>

struct TTimedValue {
    double Value; // in the run's unit
    double Time;  // day count
};

TTimedValue MakeTimedValue(double value, double time);

