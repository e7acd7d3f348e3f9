#pragma once
// What the meter's connection delivers to, and how the receiver holds the lines back. The
// acquisition session receives; the connection holds. Both sides see only this header, so
// that neither depends on the other.

#include "model/AcquisitionState.h"

#include <QString>

// Holds back the meter's lines: held ones wait (bounded, those beyond the bound dropped and
// counted) and follow in order once the last hold has been released. Holds nest.
class ILineHold {
public:
    virtual void HoldLines() = 0;
    virtual void ReleaseLines() = 0;

protected:
    ~ILineHold() = default;
};

// The lines are held for as long as it lives; nothing without a hold.
class THeldLines {
public:
    explicit THeldLines(ILineHold *hold) : Hold(hold)
    {
        if (Hold)
            Hold->HoldLines();
    }
    ~THeldLines()
    {
        if (Hold)
            Hold->ReleaseLines();
    }
    THeldLines(const THeldLines &) = delete;
    THeldLines &operator=(const THeldLines &) = delete;

private:
    ILineHold *Hold;
};

class IMeterReceiver : public IAcquisitionState {
public:
    // A measurement: the peak frequency (only its low 16 bits are kept) and the reading in
    // the meter's unit, before any correction.
    virtual void ProcessSample(int peakFrequency, float value) = 0;
    // One line of a memory dump, CR LF included.
    virtual void ImportLine(const QString &line) = 0;
    // The interval of the live settings, in seconds.
    virtual double SampleInterval() const = 0;
    // The connection that delivers the lines, or nullptr once it has gone.
    virtual void SetLineHold(ILineHold *hold) = 0;

protected:
    ~IMeterReceiver() = default;
};
