#pragma once
// The acquisition state the connection form and the windows read. Only the acquisition
// session (session/) changes the four flags; tests reset them. Everything runs on the
// user-interface thread, so plain variables do.

#include <QChar>

#include <array>
#include <cstdint>

enum TRecordingState : std::uint8_t { Listening = 0, Recording = 1, Stopped = 2, Importing = 4 };

inline TRecordingState RecordingState = Listening;
inline bool OnHold = false;           // pause: every received line is ignored
inline bool SampleInProgress = false; // a received line is being processed
inline bool RestartInProgress = false;

// The locale's decimal separator, then the other one of '.' and ','; two zero characters
// until start-up has found them.
inline std::array<QChar, 2> DecSeparators{QChar(0), QChar(0)};

// Back to the state of a fresh start (tests build several programs in one process).
inline void ResetGlobalState()
{
    RecordingState = Listening;
    OnHold = false;
    SampleInProgress = false;
    RestartInProgress = false;
    DecSeparators = {QChar(0), QChar(0)};
}
