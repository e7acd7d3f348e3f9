#include "report/RecordDigest.h"

#include "model/Risk.h"
#include "storage/LogFile.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t BlockRecords = 65536;
constexpr std::size_t ListedFrequencies = 10;

std::vector<TFrequencyCount> MostFrequent(const std::vector<std::uint64_t> &counts)
{
    std::vector<TFrequencyCount> found;
    for (std::size_t frequency = 1; frequency < counts.size(); ++frequency)
        if (counts[frequency] > 0)
            found.push_back({std::uint16_t(frequency), counts[frequency]});
    const std::size_t kept = std::min(found.size(), ListedFrequencies);
    std::partial_sort(found.begin(), found.begin() + std::ptrdiff_t(kept), found.end(),
                      [](const TFrequencyCount &a, const TFrequencyCount &b) {
                          return a.Samples != b.Samples ? a.Samples > b.Samples : a.Frequency < b.Frequency;
                      });
    found.resize(kept);
    return found;
}

} // namespace

TRecordDigest DigestRecord(const QString &logPath, std::uint8_t unit, double interval, TPopulation population,
                           TTargetState state,
                           const TSampleVisitor &visit)
{
    TRecordDigest digest;
    digest.Statistics.Reset(unit);
    digest.Exposure = TExposure(interval);
    TAlertEpisodeFinder episodes(TAlertLimit{}, unit, interval, population, state);
    std::vector<std::uint64_t> frequencyCounts(65536, 0);
    TLogReader reader(logPath);
    std::vector<TSampleRecord> block(BlockRecords);
    std::uint64_t index = 0;
    while (const std::size_t count = reader.Read(block)) {
        for (std::size_t k = 0; k < count; ++k) {
            const double value = std::isfinite(block[k].Value) ? double(block[k].Value) : 0.0;
            digest.Statistics.Add(value);
            ++digest.CategorySamples[std::size_t(RiskCategoryIndex(EvaluateRisk(unit, value, population, state)))];
            ++frequencyCounts[block[k].Frequency];
            digest.Exposure.Add(ExposureShare(unit, value, block[k].Frequency));
            episodes.Add(value);
            if (visit)
                visit(++index, value);
        }
    }
    digest.AlertEpisodes = episodes.Episodes();
    digest.SamplesWithFrequency = digest.Samples() - frequencyCounts[0];
    digest.TopFrequencies = MostFrequent(frequencyCounts);
    return digest;
}
