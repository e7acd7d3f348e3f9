#pragma once
// The bounded wait of the save at the end of a recording for a sample still being handled.
// Lines are handled on this thread, so the flag can only be set when the save is reached
// from inside the handling of a line (under one of its message boxes); the wait is bounded
// so that it never blocks there.

#include <functional>

// Tests inProgress and pauses 100 ms at a time, at most 10 times; no pause when it is clear.
void WaitWhileSampleInProgress(const bool &inProgress, const std::function<void(int milliseconds)> &pause);

// Lets timers and the port's notifications run for milliseconds; clicks and keys wait.
void ProcessEventsFor(int milliseconds);
