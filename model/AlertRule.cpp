#include "model/AlertRule.h"

#include "model/Risk.h"

#include <utility>

TAlertRule::TAlertRule(TAlertLimit limit, TPopulation population, TTargetState state)
    : AlertLimit(std::move(limit)), Population(population), State(state)
{
}

void TAlertRule::SetTarget(TPopulation population, TTargetState state)
{
    Population = population;
    State = state;
}

bool TAlertRule::Reaches(std::uint8_t unit, double correctedValue) const
{
    if (AlertLimit.Level)
        return correctedValue >= *AlertLimit.Level;
    if (AlertLimit.Category)
        return RiskCategoryIndex(EvaluateRisk(unit, correctedValue, Population, State)) >= *AlertLimit.Category;
    return false;
}

namespace {

constexpr double HoldTolerance = 0.001; // seconds

} // namespace

TAlertRule::TChange TAlertRule::Take(double timeSeconds, std::uint8_t unit, double correctedValue)
{
    if (Reaches(unit, correctedValue)) {
        BelowSince.reset();
        if (!IsActive) {
            IsActive = true;
            PeakValue = correctedValue;
            return TChange::Started;
        }
        if (correctedValue > PeakValue)
            PeakValue = correctedValue;
        return TChange::None;
    }
    if (!IsActive)
        return TChange::None;
    // A clock set back starts the hold afresh rather than holding the alert for ever.
    if (!BelowSince || timeSeconds < *BelowSince)
        BelowSince = timeSeconds;
    // Times made from day counts carry rounding in their last bits: a hold that lasts to within
    // a millisecond has lasted, or the end would come one sample late.
    if (timeSeconds - *BelowSince < AlertLimit.HoldSeconds - HoldTolerance)
        return TChange::None;
    IsActive = false;
    BelowSince.reset();
    return TChange::Ended;
}
