#pragma once
// The acquisition's state as code below the session sees it. The session owns and changes it;
// the meter's connection asks through this interface, so that it needs no session to be built
// and tested.

#include <cstdint>

enum TRecordingState : std::uint8_t { Listening = 0, Recording = 1, Stopped = 2, Importing = 4 };

class IAcquisitionState {
public:
    virtual TRecordingState State() const = 0;
    // Paused: every received line is ignored.
    virtual bool IsOnHold() const = 0;

protected:
    ~IAcquisitionState() = default;
};
