#pragma once
// SIGTERM, SIGINT and SIGHUP (logging out, shutting down, Ctrl+C in a terminal) end the
// program like closing its window without the question: a recording in progress is saved
// and the settings are written on the way out. Nobody may be there to answer a box then, so
// from the signal on every message goes to standard error, and the program ends even when a
// save fails or a modal window is open.

#include <QObject>

#include <functional>

class QSocketNotifier;

class TTerminationSignals : public QObject {
public:
    // Installs the handlers. Made before the windows, so that a signal during start-up is
    // acted on as soon as events are processed.
    TTerminationSignals();
    // Puts the default handling back.
    ~TTerminationSignals() override;
    TTerminationSignals(const TTerminationSignals &) = delete;
    TTerminationSignals &operator=(const TTerminationSignals &) = delete;

    // What is saved before the program leaves its event loops; filled once the windows
    // exist. Its errors go to standard error.
    std::function<void()> BeforeQuit;

    // A signal has come, maybe while start-up ran a modal box: the program must not enter
    // its event loop any more.
    bool QuitRequested() const { return Quitting; }

private:
    void SignalArrived();

    int Sockets[2] = {-1, -1};
    QSocketNotifier *Notifier = nullptr;
    bool Quitting = false;
};
