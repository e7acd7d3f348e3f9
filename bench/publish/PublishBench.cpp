// What publishing costs each sample on the live path: the main window shown, each sample
// processed and drawn, with and without publishing to a local broker. The CPU measured is the
// live path's: the thread that takes each sample, processes, records and draws it, and for the
// publisher makes the reading, queues it and wakes the network thread. Target: publishing adds
// under 5 % to it. The window's drawing varies more from run to run than publishing costs, so
// the run that publishes also times the publisher's own slot on that thread: publishing_pct is
// its share beside the rest of the same samples.
// Samples come at a pace the network thread keeps up with, the process idle in between as
// between two of the meter's samples: each reading goes out, and is acknowledged, on its own.
// The network thread's work is off the live path by design; whole_us is the CPU of the whole
// process per sample, both threads and the broker's receive on the loopback, which the kernel
// runs on the sending thread. Most of what publishing adds there is the kernel's: waking the
// network thread from poll() (about what BM_Pause's own sleep costs, 10 to 50 us on the shared
// test machine) and the TCP of the reading and its acknowledgement. JSON and queue take a few
// microseconds; going lower would mean sending readings in batches, holding each one back.
// BM_ReadingPublishedToALocalBroker publishes readings alone, paced the same way. In detail,
// against the session's own work for a sample: the reading made and queued (no broker: the
// readings only wait), and its JSON, which the network thread builds before sending it. The
// memory counter is what a day of readings waiting for the broker takes.

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

#include <ctime>
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

double CpuMicroseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

double ProcessCpuMicroseconds()
{
    return CpuMicroseconds(CLOCK_PROCESS_CPUTIME_ID);
}

double ThreadCpuMicroseconds()
{
    return CpuMicroseconds(CLOCK_THREAD_CPUTIME_ID);
}

// The paced samples' CPU of the whole process, per sample, beside the live path's own.
class TWholeProcessCpu {
public:
    explicit TWholeProcessCpu(benchmark::State &state) : State(state) {}
    ~TWholeProcessCpu()
    {
        if (State.iterations() > 0)
            State.counters["whole_us"] = (ProcessCpuMicroseconds() - Began) / double(State.iterations());
    }
    TWholeProcessCpu(const TWholeProcessCpu &) = delete;
    TWholeProcessCpu &operator=(const TWholeProcessCpu &) = delete;

private:
    benchmark::State &State;
    const double Began = ProcessCpuMicroseconds();
};

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
    const TWholeProcessCpu whole(state);
    for (auto _ : state)
        std::this_thread::sleep_for(SamplePause);
}
BENCHMARK(BM_Pause)->Iterations(PacedSamples)->Unit(benchmark::kMicrosecond);

void BM_WindowSampleWithoutPublishing(benchmark::State &state)
{
    TLiveWindow live;
    std::size_t i = 0;
    const TWholeProcessCpu whole(state);
    for (auto _ : state) {
        live.Feed(i++);
        std::this_thread::sleep_for(SamplePause);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WindowSampleWithoutPublishing)->Iterations(PacedSamples)->Unit(benchmark::kMicrosecond);

void BM_WindowSamplePublishedToALocalBroker(benchmark::State &state)
{
    TLocalBroker broker;
    if (!broker.Start()) {
        state.SkipWithError("mosquitto did not start");
        return;
    }
    TLiveWindow live;
    // The publisher's slot runs between these two: the live path's CPU it takes, in this very
    // run, beside the rest of each sample (the runs without publishing vary by more).
    double publishing = 0;
    double enteredAt = 0;
    TAcquisitionSession &session = live.Form->Session;
    QObject::connect(&session, &TAcquisitionSession::SampleProcessed, [&] { enteredAt = ThreadCpuMicroseconds(); });
    TSessionPublisher publisher(session, LocalOptions(broker.Port()));
    QObject::connect(&session, &TAcquisitionSession::SampleProcessed,
                     [&] { publishing += ThreadCpuMicroseconds() - enteredAt; });
    publisher.Start();
    std::size_t i = 0;
    const TWholeProcessCpu whole(state);
    const double began = ThreadCpuMicroseconds();
    for (auto _ : state) {
        live.Feed(i++);
        std::this_thread::sleep_for(SamplePause);
    }
    const double livePath = ThreadCpuMicroseconds() - began;
    state.SetItemsProcessed(state.iterations());
    state.counters["publishing_us"] = publishing / double(state.iterations());
    state.counters["publishing_pct"] = 100.0 * publishing / (livePath - publishing);
    state.counters["unacknowledged"] = static_cast<double>(publisher.QueuedReadings());
}
BENCHMARK(BM_WindowSamplePublishedToALocalBroker)->Iterations(PacedSamples)->Unit(benchmark::kMicrosecond);

// Each sample's reading made, queued, built, sent to the broker and acknowledged: what
// publishing adds to a sample, on the live path and (whole_us) on both threads beside the pause.
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
    const TWholeProcessCpu whole(state);
    for (auto _ : state) {
        publisher.Publish(live.Reading(QDateTime::currentDateTime()));
        std::this_thread::sleep_for(SamplePause);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["unacknowledged"] = static_cast<double>(publisher.QueuedReadings());
}
BENCHMARK(BM_ReadingPublishedToALocalBroker)->Iterations(PacedSamples)->Unit(benchmark::kMicrosecond);

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
