// TSampleStatistics::Add over whole records: the export command runs it on records of
// millions of samples and needs at least 20 million samples per second on one core.

#include "model/SampleStatistics.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// Readings as the log holds them (floats), spread over the whole level scale and beyond.
const std::vector<float> &Readings(std::size_t count)
{
    static std::vector<float> readings;
    if (readings.size() < count) {
        std::mt19937 random(11);
        std::uniform_real_distribution<double> exponent(-4.0, 4.0);
        readings.resize(count);
        for (float &reading : readings)
            reading = static_cast<float>(std::pow(10.0, exponent(random)));
    }
    return readings;
}

void AddRecord(benchmark::State &state)
{
    const auto unit = static_cast<std::uint8_t>(state.range(0));
    const auto count = static_cast<std::size_t>(state.range(1));
    const std::vector<float> &readings = Readings(count);
    TSampleStatistics statistics;
    for (auto _ : state) {
        statistics.Reset(unit);
        for (std::size_t i = 0; i < count; ++i)
            statistics.Add(readings[i]);
        benchmark::DoNotOptimize(statistics.Mean());
        benchmark::DoNotOptimize(statistics.RangeDB());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(1));
}

} // namespace

BENCHMARK(AddRecord)
    ->ArgNames({"unit", "samples"})
    ->ArgsProduct({{UnitVm, UnitMWm2}, {1000000, 10000000}})
    ->Unit(benchmark::kMillisecond);
