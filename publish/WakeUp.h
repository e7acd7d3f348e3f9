#pragma once
// Wakes a thread that waits in poll(): the other threads Notify, the waiting one polls Fd and
// Drains it before it looks for work. An eventfd, so that a wake-up sent before the wait is not
// lost, and a counter rather than a pipe's buffer: a reading's wake-up costs both threads less
// of the kernel's work.

#include <atomic>

class TWakeUp {
public:
    TWakeUp();
    ~TWakeUp();
    TWakeUp(const TWakeUp &) = delete;
    TWakeUp &operator=(const TWakeUp &) = delete;

    // Never blocks; while a wake-up is pending it costs no system call.
    void Notify();
    void Drain();
    int Fd() const { return Event; }

private:
    int Event = -1;
    std::atomic<bool> Pending{false};
};
