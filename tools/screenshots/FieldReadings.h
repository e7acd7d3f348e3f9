#pragma once
// Readings as a meter gives them near real transmitters: field strength scattered
// log-normally around a median, swelling and ebbing as the sources' traffic changes, a peak
// frequency named now and then. The same shape and seed give the same readings.

#include <cstdint>
#include <random>

struct TFieldShape {
    double MedianVm;         // the typical field strength, V/m
    double SpreadDb;         // standard deviation of the scatter
    double SwellDb;          // amplitude of the slow swell
    double SwellPeriod;      // in readings
    int FrequencyEvery;      // every n-th reading names a peak frequency
    std::uint32_t Seed;
};

struct TFieldReading {
    double Value;            // in the unit asked for
    std::uint16_t Frequency; // MHz, 0 = none
};

class TFieldReadings {
public:
    explicit TFieldReadings(const TFieldShape &shape);

    // The next reading in unit (UnitVm or UnitMWm2).
    TFieldReading Next(std::uint8_t unit);

private:
    TFieldShape Shape;
    std::mt19937 Random;
    std::normal_distribution<double> Scatter;
    std::uint64_t Index = 0;
};
