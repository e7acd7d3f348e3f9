#pragma once
// Ending the process at once (a device that is not the meter, or the shutdown after a
// scheduled end). Callers save what must survive first; tests install their own handler to
// see the end without dying, so callers must return normally after asking for it.

#include <cstdlib>
#include <functional>
#include <utility>

using TProcessExitHandler = std::function<void(int exitCode)>;

inline TProcessExitHandler &ProcessExitHandler()
{
    static TProcessExitHandler handler;
    return handler;
}

inline void EndProcessAtOnce(int exitCode)
{
    if (ProcessExitHandler())
        ProcessExitHandler()(exitCode);
    else
        std::_Exit(exitCode);
}

// Installs handler and returns the one it replaces; an empty handler restores the real exit.
inline TProcessExitHandler SetProcessExitHandler(TProcessExitHandler handler)
{
    return std::exchange(ProcessExitHandler(), std::move(handler));
}
