#pragma once
// What a report says about a record's samples, gathered in one pass over its log: the
// viewer's statistics and histogram, the samples per risk category for one population and
// state, the exposure against the reference levels, the alert episodes with the default limit,
// and the most frequent peak frequencies.

#include "model/AlertEpisodes.h"
#include "model/Exposure.h"
#include "model/Risk.h"
#include "model/SampleStatistics.h"
#include "storage/RecordReadings.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

struct TFrequencyCount {
    std::uint16_t Frequency;
    std::uint64_t Samples;
};

struct TRecordDigest {
    TSampleStatistics Statistics;
    std::array<std::uint64_t, 6> CategorySamples{}; // in the order of RiskCategoryNames
    std::uint64_t SamplesWithFrequency = 0;
    // At most ten, the most frequent first; equal counts in ascending frequency.
    std::vector<TFrequencyCount> TopFrequencies;
    TExposure Exposure{DefaultRecordInterval};
    std::vector<TAlertEpisode> AlertEpisodes; // with TAlertLimit's defaults for the population and state

    std::uint64_t Samples() const { return Statistics.SampleCount(); }
};

// Called with every sample (index from 1, the value as counted).
using TSampleVisitor = std::function<void(std::uint64_t index, double value)>;

// Reads the log once (EInOutError when it cannot be read). A reading that is not a finite
// number counts as 0, as in the viewer.
// interval: the record's seconds per sample, for the exposure's 30 minutes.
TRecordDigest DigestRecord(const QString &logPath, std::uint8_t unit, double interval, TPopulation population,
                           TTargetState state,
                           const TSampleVisitor &visit);
