// The cost of the alerts on the per-sample path: the session's ProcessSample while listening,
// with the alerts off, judged by a risk category and judged by a level, over readings that
// hover about the limit so that alerts start and end. The rule alone is O(1) per reading.

#include "model/AlertRule.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "session/AcquisitionSession.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

enum TAlerts { Off, ByCategory, ByLevel };

// mW/m2 readings about 1.26, where High begins for the general population awake.
const std::vector<float> &Readings()
{
    static const std::vector<float> readings = [] {
        std::mt19937 random(5);
        std::uniform_real_distribution<float> about(0.9f, 1.6f);
        std::vector<float> values(4096);
        for (float &value : values)
            value = about(random);
        return values;
    }();
    return readings;
}

TAlertLimit LimitOf(TAlerts alerts)
{
    TAlertLimit limit;
    if (alerts == ByLevel)
        limit.Level = 1.26;
    limit.HoldSeconds = 0.5;
    return limit;
}

void SessionSample(benchmark::State &state)
{
    const auto alerts = static_cast<TAlerts>(state.range(0));
    QTemporaryDir logDir;
    TAcquisitionSession session(logDir.path() + '/');
    session.StartListening({UnitMWm2, 0.5, 0, 60});
    session.Alert.SetLimit(LimitOf(alerts));
    session.Alert.SetOn(alerts != Off);
    std::int64_t started = 0;
    QObject::connect(&session.Alert, &TLiveAlert::Started, [&started] { ++started; });
    const std::vector<float> &readings = Readings();
    std::size_t i = 0;
    for (auto _ : state) {
        session.ProcessSample(900, readings[i++ % readings.size()]);
        benchmark::DoNotOptimize(session.Alert.Active());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["alerts"] = static_cast<double>(started);
    session.Stop();
}

void RuleTake(benchmark::State &state)
{
    const auto alerts = static_cast<TAlerts>(state.range(0));
    TAlertRule rule(LimitOf(alerts), TPopulation::General, TTargetState::Wake);
    const std::vector<float> &readings = Readings();
    std::size_t i = 0;
    double time = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rule.Take(time, UnitMWm2, readings[i++ % readings.size()]));
        time += 0.5;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(SessionSample)->ArgName("alerts")->Arg(Off)->Arg(ByCategory)->Arg(ByLevel);
BENCHMARK(RuleTake)->ArgName("alerts")->Arg(ByCategory)->Arg(ByLevel);
