// The exposure of whole records: the report and the record viewer take it in their one pass
// over a log of millions of samples. Time per sample must not grow with the window (0.5 s
// gives 3600 samples in 30 minutes, 3 min gives 10): the window is a running sum.

#include "model/Exposure.h"
#include "model/Units.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

struct TReading {
    float Value;
    std::uint16_t Frequency;
};

const std::vector<TReading> &Readings(std::size_t count)
{
    static std::vector<TReading> readings;
    if (readings.size() < count) {
        std::mt19937 random(5);
        std::uniform_real_distribution<double> exponent(-3.0, 1.5);
        std::uniform_int_distribution<int> frequency(0, 6000);
        readings.resize(count);
        for (TReading &reading : readings)
            reading = {float(std::pow(10.0, exponent(random))), std::uint16_t(frequency(random))};
    }
    return readings;
}

void ExposureOfRecord(benchmark::State &state)
{
    const double interval = double(state.range(0)) / 10;
    const auto count = static_cast<std::size_t>(state.range(1));
    const std::vector<TReading> &readings = Readings(count);
    for (auto _ : state) {
        TExposure exposure(interval);
        for (std::size_t i = 0; i < count; ++i)
            exposure.Add(ExposureShare(UnitVm, readings[i].Value, readings[i].Frequency));
        benchmark::DoNotOptimize(exposure.HighestAverage());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(1));
}

} // namespace

// The interval in tenths of a second: 0.5 s and 3 min.
BENCHMARK(ExposureOfRecord)
    ->ArgNames({"interval_tenths", "samples"})
    ->ArgsProduct({{5, 1800}, {1000000, 10000000}})
    ->Unit(benchmark::kMillisecond);
