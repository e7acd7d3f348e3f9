#include "tools/meter-sim/MeterSimulator.h"

using namespace std::chrono;

namespace {

constexpr milliseconds ReaderPollPeriod(10);
constexpr milliseconds RetryPeriod(2);

} // namespace

TMeterSimulator::TMeterSimulator(TMeterTerminal &terminal, TMeterScript script, bool waitForReader,
                                 milliseconds linger, QObject *parent)
    : QObject(parent), Terminal(terminal), Script(std::move(script)), WaitForReader(waitForReader), Linger(linger)
{
    Timer.setSingleShot(true);
    Timer.setTimerType(Qt::PreciseTimer);
}

void TMeterSimulator::Start()
{
    if (WaitForReader) {
        disconnect(&Timer, nullptr, this, nullptr);
        connect(&Timer, &QTimer::timeout, this, &TMeterSimulator::CheckForReader);
        CheckForReader();
        return;
    }
    Clock.start();
    ScheduleNextStep();
}

void TMeterSimulator::CheckForReader()
{
    if (!Terminal.HasReader()) {
        Timer.start(ReaderPollPeriod);
        return;
    }
    WaitForReader = false;
    Start();
}

void TMeterSimulator::ScheduleNextStep()
{
    disconnect(&Timer, nullptr, this, nullptr);
    std::optional<TScriptStep> step = Script.Next();
    if (!step) {
        if (Linger >= milliseconds(0)) {
            connect(&Timer, &QTimer::timeout, this, &TMeterSimulator::Finished);
            Timer.start(Linger);
        }
        return;
    }
    // Due times add up, so that timer granularity does not stretch the pace.
    DueTime += step->Delay;
    Pending = std::move(step->Bytes);
    connect(&Timer, &QTimer::timeout, this, &TMeterSimulator::WritePending);
    const microseconds wait = DueTime - duration_cast<microseconds>(nanoseconds(Clock.nsecsElapsed()));
    Timer.start(std::max(milliseconds(0), ceil<milliseconds>(wait)));
}

void TMeterSimulator::WritePending()
{
    const qint64 taken = Terminal.Write(Pending);
    if (taken < 0)
        Pending.clear(); // nobody listens: the line is lost, as from a real meter
    else
        Pending.remove(0, taken);
    if (!Pending.isEmpty()) {
        Timer.start(RetryPeriod);
        return;
    }
    ScheduleNextStep();
}
