// What publishing costs each sample on the live path, against the live path without it: the
// main window shown, each sample processed and drawn. Samples come at a pace the network
// thread keeps up with, the process idle in between as between two of the meter's samples, and
// the CPU of the whole process (both threads) is measured per sample; the pause's own share
// (BM_Pause) is in every paced run. Target: publishing adds under 5 % to the live path. The
// window's drawing varies more from run to run than publishing costs, so publishing is also
// measured on its own, paced the same way. In detail, against the session's own work for a
// sample: the reading made and queued (no broker: the readings only wait), and its JSON, which
// the network thread builds before sending it. The memory counter is what a day of readings
// waiting for the broker takes.
// Once the JSON is written directly, what each reading costs is mostly the kernel's: waking the
// network thread, and the TCP of the reading and its acknowledgement on the loopback, which the
// broker's side of runs on this process's threads too.
// The network thread's own CPU per reading (taken from the kernel's per-thread counters, with
// the send left out for the comparison) splits roughly in half: its wake-up from poll(), about
// what BM_Pause's own sleep costs (some 40 us on the shared test machine), and the library's
// part: the TCP write of the reading (the broker's receive on the loopback with it), a byte to
// the library's own wake-up socket pair on every publish, and three reads for each
// acknowledgement, which it reads header, length and body apart. JSON and queue take a few
// microseconds. None of that shrinks without sending readings in batches, which would hold
// each one back. Readings alone cost 110 to 170 us a sample beside the pause, the window's
// sample 1280 to 1430 us without publishing, so publishing adds 8 to 13 %; from one run of this
// machine to the next both move by more than that.

#include "app/AcquisitionSettingsPanel.h"
#include "app/MainWindow.h"
#include "bench/PeakResident.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "publish/MqttPublisher.h"
#include "publish/SessionPublisher.h"
#include "session/AcquisitionSession.h"
#include "tests/publish/LocalBroker.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Readings as the meter gives them, spread over the level scale, with peak frequencies.
struct TMeterSample {
    float Value;
    int Frequency;
};

const std::vector<TMeterSample> &Samples()
{
    static const std::vector<TMeterSample> samples = [] {
        std::mt19937 random(5);
        std::lognormal_distribution<float> value(-3.0f, 1.5f);
        std::vector<TMeterSample> made(4096);
        for (TMeterSample &sample : made)
            sample = {value(random), static_cast<int>(random() % 8000)};
        return made;
    }();
    return samples;
}

// A listening session as the live path has it.
struct TLiveSession {
    TLiveSession() { Session.StartListening({UnitMWm2, 0.5, 0, 60}); }

    void Feed(std::size_t i)
    {
        const TMeterSample &sample = Samples()[i % Samples().size()];
        Session.ProcessSample(sample.Frequency, sample.Value);
    }
    TPublishedReading Reading(const QDateTime &at) const
    {
        return MakePublishedReading(at, Session.CurrentMetaData().Unit, Session.CurrentValue(), Session.PeakFrequency(),
                                    TPopulation::General, TTargetState::Wake, QStringLiteral("Bench record"));
    }

    QTemporaryDir Dir;
    TAcquisitionSession Session{Dir.path() + "/"};
};

TPublishOptions LocalOptions(std::uint16_t port)
{
    TPublishOptions options;
    options.Host = QStringLiteral("127.0.0.1");
    options.Port = port;
    return options;
}

// The main window listening, shown on the off-screen platform, in a folder of its own with the
// build's resources.
struct TLiveWindow {
    TLiveWindow()
    {
        for (const char *folder : {"Settings", "Log/Archive"})
            QDir(Dir.path()).mkpath(folder);
        TAppPaths paths = TAppPaths::FromAppDir(Dir.path());
        paths.ResourcesDir = QStringLiteral(ZELTAR_BENCH_RESOURCES "/");
        LoadRiskPalette(paths.ResourcesDir);
        Form = std::make_unique<TMainWindow>(paths);
        Form->show();
        Form->SettingsPanel->ApplySettings(Listening);
        QCoreApplication::processEvents();
    }

    // One sample processed and drawn, as the event loop does it between two samples.
    void Feed(std::size_t i)
    {
        const TMeterSample &sample = Samples()[i % Samples().size()];
        Form->Session.ProcessSample(sample.Frequency, sample.Value);
        QCoreApplication::processEvents();
    }

    QTemporaryDir Dir;
    std::unique_ptr<TMainWindow> Form;
};

// Samples at a pace the network thread keeps up with, the process idle in between as it is
// between two of the meter's samples: each reading goes out, and is acknowledged, on its own.
constexpr auto SamplePause = 5ms;
constexpr int PacedSamples = 400;

// A day at 0.5 s waiting for the broker: the peak resident size grows by this much. First,
// before the absent broker's queue has raised the peak.
void BM_QueueOfADay(benchmark::State &state)
{
    TLiveSession live;
    live.Feed(1);
    const TPublishedReading reading = live.Reading(QDateTime::currentDateTime());
    const double before = PeakResidentMegabytes();
    for (auto _ : state) {
        TReadingQueue queue;
        for (std::size_t n = 0; n < TReadingQueue::DefaultLimit; ++n) {
            TPublishedReading queued = reading;
            queued.Time = reading.Time.addMSecs(static_cast<qint64>(n) * 500);
            queue.Push(std::move(queued));
        }
        benchmark::DoNotOptimize(queue.Size());
    }
    state.counters["day_queue_mb"] = PeakResidentMegabytes() - before;
}
BENCHMARK(BM_QueueOfADay)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Pause(benchmark::State &state)
{
    for (auto _ : state)
        std::this_thread::sleep_for(SamplePause);
}
BENCHMARK(BM_Pause)->MeasureProcessCPUTime()->Iterations(PacedSamples)->Unit(benchmark::kMicrosecond);

void BM_WindowSampleWithoutPublishing(benchmark::State &state)
{
    TLiveWindow live;
    std::size_t i = 0;
    for (auto _ : state) {
        live.Feed(i++);
        std::this_thread::sleep_for(SamplePause);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WindowSampleWithoutPublishing)
    ->MeasureProcessCPUTime()
    ->Iterations(PacedSamples)
    ->Unit(benchmark::kMicrosecond);

void BM_WindowSamplePublishedToALocalBroker(benchmark::State &state)
{
    TLocalBroker broker;
    if (!broker.Start()) {
        state.SkipWithError("mosquitto did not start");
        return;
    }
    TLiveWindow live;
    TSessionPublisher publisher(live.Form->Session, LocalOptions(broker.Port()));
    publisher.Start();
    std::size_t i = 0;
    for (auto _ : state) {
        live.Feed(i++);
        std::this_thread::sleep_for(SamplePause);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["unacknowledged"] = static_cast<double>(publisher.QueuedReadings());
}
BENCHMARK(BM_WindowSamplePublishedToALocalBroker)
    ->MeasureProcessCPUTime()
    ->Iterations(PacedSamples)
    ->Unit(benchmark::kMicrosecond);

// Each sample's reading made, queued, built, sent to the broker and acknowledged: what
// publishing adds to a sample, on both threads, beside the pause.
void BM_ReadingPublishedToALocalBroker(benchmark::State &state)
{
    TLocalBroker broker;
    if (!broker.Start()) {
        state.SkipWithError("mosquitto did not start");
        return;
    }
    TLiveSession live;
    live.Feed(1);
    TMqttPublisher publisher(LocalOptions(broker.Port()));
    publisher.Start();
    for (auto _ : state) {
        publisher.Publish(live.Reading(QDateTime::currentDateTime()));
        std::this_thread::sleep_for(SamplePause);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["unacknowledged"] = static_cast<double>(publisher.QueuedReadings());
}
BENCHMARK(BM_ReadingPublishedToALocalBroker)
    ->MeasureProcessCPUTime()
    ->Iterations(PacedSamples)
    ->Unit(benchmark::kMicrosecond);

void BM_SampleWithoutPublishing(benchmark::State &state)
{
    TLiveSession live;
    std::size_t i = 0;
    for (auto _ : state)
        live.Feed(i++);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SampleWithoutPublishing);

// No broker listens: every reading waits in the queue (the oldest dropped past a day's worth).
void BM_SampleQueuedForAnAbsentBroker(benchmark::State &state)
{
    TLiveSession live;
    TMqttPublisher publisher(LocalOptions(FreeLocalPort()));
    publisher.Start();
    QObject::connect(&live.Session, &TAcquisitionSession::SampleProcessed,
                     [&](const QDateTime &at) { publisher.Publish(live.Reading(at)); });
    std::size_t i = 0;
    for (auto _ : state)
        live.Feed(i++);
    state.SetItemsProcessed(state.iterations());
    publisher.Stop(0ms);
}
BENCHMARK(BM_SampleQueuedForAnAbsentBroker);

// The network thread's share of each reading before it is sent.
void BM_ReadingJson(benchmark::State &state)
{
    TLiveSession live;
    live.Feed(1);
    const TPublishedReading reading = live.Reading(QDateTime::currentDateTime());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadingJson(reading));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadingJson);

} // namespace
