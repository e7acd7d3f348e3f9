#include "app/TerminationSignals.h"

#include "model/HandlerErrors.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

int SignalWriteEnd = -1;

// Only async-signal-safe work here: the event loop picks the byte up.
void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(SignalWriteEnd, &byte, 1);
}

void SetSignalHandler(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
}

} // namespace

TTerminationSignals::TTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Sockets) != 0)
        return;
    SignalWriteEnd = Sockets[0];
    Notifier = new QSocketNotifier(Sockets[1], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &TTerminationSignals::SignalArrived);
    SetSignalHandler(OnSignal);
}

TTerminationSignals::~TTerminationSignals()
{
    if (!Notifier)
        return;
    SetSignalHandler(SIG_DFL);
    SignalWriteEnd = -1;
    delete Notifier;
    ::close(Sockets[0]);
    ::close(Sockets[1]);
}

void TTerminationSignals::SignalArrived()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(Sockets[1], &byte, 1);
    // One signal is enough: the program is already on its way out.
    if (std::exchange(Quitting, true))
        return;
    SendMessagesToStandardError();
    bool saved = true;
    if (BeforeQuit)
        RunShowingErrors([this, &saved] {
            try {
                BeforeQuit();
            } catch (...) {
                saved = false;
                throw;
            }
        });
    // Not quit(): that asks every window to close, and a modal one may refuse. Whoever
    // started the program learns from the exit code that something could not be saved.
    QCoreApplication::exit(saved ? EXIT_SUCCESS : EXIT_FAILURE);
}
