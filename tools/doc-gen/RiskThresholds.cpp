#include "tools/doc-gen/RiskThresholds.h"

#include "model/Risk.h"
#include "model/Units.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Every rounded level the risk base can take lies well inside this span: the base has a floor
// of -99, and the strongest field a meter reports is far below the top.
constexpr int LowestBase = -99;
constexpr int HighestBase = 200;
// The readings searched for the limits, in either unit.
constexpr double SmallestReading = 1e-15;
constexpr double LargestReading = 1e15;

int CategoryOfIndex(int riskIndex)
{
    const QString name = RiskCategoryName(riskIndex);
    const auto found = std::find(RiskCategoryNames.begin(), RiskCategoryNames.end(), name);
    return static_cast<int>(std::distance(RiskCategoryNames.begin(), found));
}

// The largest reading that the program still puts in a category up to `category`. The
// category grows with the reading, so halving the interval in the logarithm converges on
// the limit; it stops when no double lies between the two ends.
double UpperLimit(std::uint8_t unit, int category, TPopulation population, TTargetState state)
{
    double inside = SmallestReading, outside = LargestReading;
    for (;;) {
        const double middle = std::sqrt(inside * outside);
        if (!(middle > inside && middle < outside))
            return inside;
        if (RiskCategoryOf(unit, middle, population, state) <= category)
            inside = middle;
        else
            outside = middle;
    }
}

TRiskColumn ComputeColumn(TPopulation population, TTargetState state)
{
    TRiskColumn column;
    column.Population = population;
    column.State = state;
    for (int base = LowestBase; base <= HighestBase; ++base) {
        TRiskBand &band = column.Bands[static_cast<std::size_t>(CategoryOfIndex(base + RiskOffset(population, state)))];
        if (!band.Reachable)
            band.LowestLevel = base;
        band.HighestLevel = base;
        band.Reachable = true;
    }
    // Open ends: nothing lies below the floor of the base, nothing bounds the top.
    for (TRiskBand &band : column.Bands) {
        if (band.LowestLevel == LowestBase)
            band.LowestLevel.reset();
        if (band.HighestLevel == HighestBase)
            band.HighestLevel.reset();
    }
    for (int category = 0; category + 1 < RiskCategoryCount; ++category) {
        TRiskBand &band = column.Bands[static_cast<std::size_t>(category)];
        TRiskBand &next = column.Bands[static_cast<std::size_t>(category + 1)];
        const double density = UpperLimit(UnitMWm2, category, population, state);
        const double field = UpperLimit(UnitVm, category, population, state);
        band.DensityUpTo = density;
        band.FieldUpTo = field;
        next.DensityAbove = density;
        next.FieldAbove = field;
    }
    return column;
}

} // namespace

int RiskCategoryOf(std::uint8_t unit, double value, TPopulation population, TTargetState state)
{
    return CategoryOfIndex(EvaluateRisk(unit, value, population, state));
}

std::array<TRiskColumn, 4> ComputeRiskThresholds()
{
    return {ComputeColumn(TPopulation::General, TTargetState::Wake),
            ComputeColumn(TPopulation::General, TTargetState::Sleep),
            ComputeColumn(TPopulation::Sensitive, TTargetState::Wake),
            ComputeColumn(TPopulation::Sensitive, TTargetState::Sleep)};
}
