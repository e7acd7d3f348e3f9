#pragma once
// SIGTERM, SIGINT and SIGHUP (logging out, shutting down, Ctrl+C in a terminal) end the
// program like closing its window without the question: a recording in progress is saved
// and the settings are written on the way out.

#include <functional>

// Calls beforeQuit on the user-interface thread when one of those signals arrives, then
// leaves the application's event loop.
void QuitOnTerminationSignals(std::function<void()> beforeQuit);
