#include "publish/WakeUp.h"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

TWakeUp::TWakeUp()
{
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for the network thread");
    ReadEnd = ends[0];
    WriteEnd = ends[1];
}

TWakeUp::~TWakeUp()
{
    ::close(ReadEnd);
    ::close(WriteEnd);
}

void TWakeUp::Notify()
{
    if (Pending.exchange(true))
        return;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(WriteEnd, &byte, 1);
}

void TWakeUp::Drain()
{
    // More than one byte is pending only when a Notify came between a read and the clear.
    char bytes[64];
    [[maybe_unused]] const ssize_t read = ::read(ReadEnd, bytes, sizeof bytes);
    // Cleared after the read: a Notify from now on writes again, and one before it has its
    // work seen by the look that follows.
    Pending = false;
}
