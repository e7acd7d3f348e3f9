#pragma once
// How long to wait before the next attempt to reach the broker: the first delay after a
// failure, doubling with each further failure up to the longest, and the first again once a
// connection has been made.

#include <algorithm>
#include <chrono>

struct TReconnectDelays {
    std::chrono::milliseconds First{1000};
    std::chrono::milliseconds Longest{60000};
};

class TReconnectDelay {
public:
    explicit TReconnectDelay(TReconnectDelays delays = {}) : Delays(delays), Coming(delays.First) {}

    std::chrono::milliseconds Next()
    {
        const std::chrono::milliseconds delay = Coming;
        Coming = std::min(Coming * 2, Delays.Longest);
        return delay;
    }
    void Reset() { Coming = Delays.First; }

private:
    TReconnectDelays Delays;
    std::chrono::milliseconds Coming;
};
