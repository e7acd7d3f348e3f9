#pragma once
// When an alert starts and ends: at the first reading at or above the limit, and once the
// readings have stayed below it for the hold time, so that a level hovering at the limit does
// not switch the alert on and off with every sample. The limit is a risk category for the
// chosen population and state, or a level of the reading itself. O(1) per reading.

#include "model/Risk.h"

#include <cstdint>
#include <optional>

struct TAlertLimit {
    // Index into RiskCategoryNames, 0 ... 5; High unless chosen otherwise.
    std::optional<int> Category = 3;
    // The reading after the correction, in the unit the readings come in; when set, it is
    // the limit instead of the category.
    std::optional<double> Level;
    double HoldSeconds = 10;

    bool operator==(const TAlertLimit &) const = default;
};

class TAlertRule {
public:
    enum class TChange { None, Started, Ended };

    TAlertRule(TAlertLimit limit, TPopulation population, TTargetState state);

    // One reading at timeSeconds (any steady origin); says whether an alert started or ended.
    TChange Take(double timeSeconds, std::uint8_t unit, double correctedValue);
    bool Active() const { return IsActive; }
    // The highest reading of the alert in progress, or of the last one.
    double Peak() const { return PeakValue; }

    // The risk assessment's population and state changed: the next reading is judged by them,
    // and an alert in progress goes on until the readings have stayed below for the hold time.
    void SetTarget(TPopulation population, TTargetState state);
    const TAlertLimit &Limit() const { return AlertLimit; }
    // Whether a reading reaches the limit.
    bool Reaches(std::uint8_t unit, double correctedValue) const;

private:
    TAlertLimit AlertLimit;
    TPopulation Population;
    TTargetState State;
    bool IsActive = false;
    double PeakValue = 0.0;
    // When the readings went below the limit during the alert in progress.
    std::optional<double> BelowSince;
};
