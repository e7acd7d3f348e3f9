#pragma once
// The alert episodes of a stored record, found from its samples with the alert rule the live
// session uses: each from the first sample that reaches the limit to the sample at which the
// readings have stayed below it for the hold time, with its highest reading.

#include "model/AlertRule.h"

#include <cstdint>
#include <vector>

struct TAlertEpisode {
    std::uint64_t StartSample = 0; // samples count from 1
    std::uint64_t EndSample = 0;   // the one that ended it, or the record's last one
    double Peak = 0;               // the highest reading, in the record's unit
    bool Ended = false;            // false: the alert was still on at the record's end

    bool operator==(const TAlertEpisode &) const = default;
};

class TAlertEpisodeFinder {
public:
    // interval: seconds between samples, the clock the hold time runs on.
    TAlertEpisodeFinder(const TAlertLimit &limit, std::uint8_t unit, double interval, TPopulation population, TTargetState state);

    // The next sample's reading (after the correction).
    void Add(double value);
    // In order of their start; the last one's end and peak are up to date after each Add.
    const std::vector<TAlertEpisode> &Episodes() const { return Found; }

private:
    TAlertRule Rule;
    std::uint8_t Unit;
    double Interval;
    std::uint64_t Count = 0;
    std::vector<TAlertEpisode> Found;
};
