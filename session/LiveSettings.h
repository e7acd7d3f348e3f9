#pragma once
// The four acquisition settings of a run, as the main window's controls give them.

#include <cstdint>

struct TAcquisitionChoice {
    std::uint8_t Unit = 0;
    double Interval = 0.0; // seconds
    int Correction = 0;    // dB
    int VisibleSamples = 0;
};
