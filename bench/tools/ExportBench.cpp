// The summary path of zeltar-export: read a log and compute the numbers and histogram of
// every sample. Target: >= 20 million samples per second on one core, with memory that does
// not grow with the record (the max_rss_mb counter stays flat from 1 M to 10 M samples).

#include "bench/PeakResident.h"
#include "report/RecordExport.h"
#include "storage/LogFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <random>

namespace {

// One record per size and unit, written once and kept in the page cache for every run.
QString RecordOf(std::int64_t samples, std::uint8_t unit)
{
    static QTemporaryDir dir;
    static std::map<std::pair<std::int64_t, int>, QString> made;
    auto &path = made[{samples, unit}];
    if (!path.isEmpty())
        return path;
    path = dir.filePath(QString("bench-%1-%2.zlog").arg(samples).arg(unit));
    CreateLogFile(path);
    std::mt19937 random(42);
    std::lognormal_distribution<float> reading(unit == 0 ? -1.0f : -3.0f, 1.5f);
    std::vector<TSampleRecord> batch(1 << 16);
    for (std::int64_t done = 0; done < samples;) {
        const auto count = static_cast<std::size_t>(std::min<std::int64_t>(batch.size(), samples - done));
        batch.resize(count);
        for (TSampleRecord &record : batch)
            MakeSampleRecord(static_cast<std::uint16_t>(random() % 8000), 0, record, reading(random));
        AppendSamples(path, batch);
        done += static_cast<std::int64_t>(count);
    }
    return path;
}

void BM_SummariseRecord(benchmark::State &state)
{
    const std::int64_t samples = state.range(0);
    const auto unit = static_cast<std::uint8_t>(state.range(1));
    const QString path = RecordOf(samples, unit);
    for (auto _ : state) {
        const TRecordSummary summary = SummariseRecord(path, unit);
        benchmark::DoNotOptimize(summary.Statistics.Mean());
    }
    state.SetItemsProcessed(state.iterations() * samples);
    state.counters["max_rss_mb"] = PeakResidentMegabytes();
}

BENCHMARK(BM_SummariseRecord)
    ->ArgsProduct({{1'000'000, 10'000'000}, {0, 1}})
    ->ArgNames({"samples", "unit"})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

} // namespace
