#pragma once
// The numbers of a run of corrected readings in one unit: count, maximum and minimum with
// the time each was first reached, running mean, the level and class of the last reading,
// and the level histogram. The live pipeline, the import, the record viewer and the export
// all compute them here, so they agree to the last bit.
//
// Every number is kept for every reading (the windows decide which ones they show), so the
// running mean is always weighed over all readings. A NaN reading counts as 0.

#include "model/LevelClasses.h"
#include "model/UnitHistogram_COMMON.h"
#include "model/Units.h"

#include <cmath>
#include <cstdint>

class TSampleStatistics {
public:
    static constexpr double ResetMaximum = -10000000.0;
    static constexpr double ResetMinimum = 10000000.0;

    TSampleStatistics() : LevelHistogram(LevelFloorDb, LevelCeilingDb) {}

    // Empties everything for a run in unit; maximum and minimum get their reset values,
    // stamped with resetTime.
    void Reset(std::uint8_t unit, double resetTime = 0.0);

    // Counts one corrected reading taken at time (a day count, only kept with a new
    // maximum or minimum).
    void Add(double value, double time = 0.0)
    {
        if (std::isnan(value))
            value = 0.0;
        ++Count;
        LastValue = value;
        if (value > MaximumValue) {
            MaximumValue = value;
            MaximumAt = time;
        }
        if (value < MinimumValue) {
            MinimumValue = value;
            MinimumAt = time;
        }
        if (Count == 1) {
            MeanValue = value;
        } else {
            const double n = static_cast<double>(Count);
            // The field strength's mean is quadratic: the field of the mean power density.
            MeanValue = MeasuredUnit == UnitVm ? std::sqrt(((n - 1.0) * MeanValue * MeanValue + value * value) / n)
                                               : ((n - 1.0) * MeanValue + value) / n;
        }
        LastClass = LevelClassOfDensity(DensityOf(MeasuredUnit, value));
        LevelHistogram.Add(LastClass);
    }

    std::uint8_t Unit() const { return MeasuredUnit; }
    // Readings since the reset; 64 bits, so it never wraps and the mean stays weighed right.
    std::uint64_t SampleCount() const { return Count; }
    double Current() const { return LastValue; }
    double Maximum() const { return MaximumValue; }
    double MaximumTime() const { return MaximumAt; }
    double Minimum() const { return MinimumValue; }
    double MinimumTime() const { return MinimumAt; }
    double Mean() const { return MeanValue; }

    // Maximum over minimum in dB (20 log10 of the ratio for field strengths), rounded
    // halves to even. A minimum of zero or below counts at the bottom of the level scale
    // (-33 dB); the range is never negative and 0 before the first reading.
    std::uint16_t RangeDB() const;

    // The last reading's level in dB re 1 mW/m², clipped to -33 ... 33, and its class 0 ... 66.
    double Level() const { return LevelOf(MeasuredUnit, LastValue); }
    int LevelClass() const { return LastClass; }

    const THistogram &Histogram() const { return LevelHistogram; }
    THistogram &Histogram() { return LevelHistogram; }
    // The power density in mW/m² of the lower edge of the modal class, whatever the unit.
    double ModeValue() const { return DBToPower(LevelHistogram.ModeIndex + LevelFloorDb); }

private:
    std::uint8_t MeasuredUnit = UnitMWm2;
    std::uint64_t Count = 0;
    double LastValue = 0.0;
    double MaximumValue = ResetMaximum;
    double MaximumAt = 0.0;
    double MinimumValue = ResetMinimum;
    double MinimumAt = 0.0;
    double MeanValue = 0.0;
    int LastClass = 0;
    THistogram LevelHistogram;
};
