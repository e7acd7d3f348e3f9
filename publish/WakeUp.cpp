#include "publish/WakeUp.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>

TWakeUp::TWakeUp() : Event(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    if (Event < 0)
        throw std::runtime_error("no wake-up for the network thread");
}

TWakeUp::~TWakeUp()
{
    ::close(Event);
}

void TWakeUp::Notify()
{
    if (Pending.exchange(true))
        return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(Event, &one, sizeof one);
}

void TWakeUp::Drain()
{
    // One read takes every Notify so far, also one that came between a read and the clear.
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(Event, &count, sizeof count);
    // Cleared after the read: a Notify from now on writes again, and one before it has its
    // work seen by the look that follows.
    Pending = false;
}
