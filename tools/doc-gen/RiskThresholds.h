#pragma once
// The limits of the six risk categories for each target population and state, found by
// asking the program's own risk evaluation, so that the documents can never disagree with
// what the program shows.

#include "model/Risk.h"

#include <array>
#include <cstdint>
#include <optional>

inline constexpr int RiskCategoryCount = 6;

// One category under one population/state. A missing bound is open: the lowest category
// reaches down to nothing, the highest has no top. A category that no reading can reach has
// no levels at all (never the case with the program's offsets, but not assumed).
struct TRiskBand {
    // Rounded level in dB re 1 µW/m², both ends included.
    std::optional<int> LowestLevel, HighestLevel;
    // Power density in mW/m² and field strength in V/m: the lower limit belongs to the
    // category below, the upper limit to this one.
    std::optional<double> DensityAbove, DensityUpTo;
    std::optional<double> FieldAbove, FieldUpTo;
    bool Reachable = false;
};

struct TRiskColumn {
    TPopulation Population = TPopulation::General;
    TTargetState State = TTargetState::Wake;
    std::array<TRiskBand, RiskCategoryCount> Bands;
};

// General/Wake, General/Sleep, Sensitive/Wake, Sensitive/Sleep, in that order.
std::array<TRiskColumn, 4> ComputeRiskThresholds();

// The category (0 "Very low" ... 5 "Extreme") the program gives a reading.
int RiskCategoryOf(std::uint8_t unit, double value, TPopulation population, TTargetState state);
