#include "session/SampleWait.h"

#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int PauseMs = 100;
constexpr int MostPauses = 10;

} // namespace

void WaitWhileSampleInProgress(const bool &inProgress, const std::function<void(int milliseconds)> &pause)
{
    for (int i = 0; i < MostPauses && inProgress; ++i)
        pause(PauseMs);
}

void ProcessEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    // A click here could start another stop in the middle of this one.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
