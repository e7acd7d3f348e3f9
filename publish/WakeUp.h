#pragma once
// Wakes a thread that waits in poll(): the other threads Notify, the waiting one polls Fd and
// Drains it before it looks for work. A pipe, so that a wake-up sent before the wait is not
// lost; one byte at most is pending.

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
    int Fd() const { return ReadEnd; }

private:
    int ReadEnd = -1;
    int WriteEnd = -1;
    std::atomic<bool> Pending{false};
};
