#pragma once
// What the record windows need of the main window, which implements it: the record
// windows sit below the main window and never include it.

#include "model/Risk.h"

#include <QString>

class IRecordWindowsHost {
public:
    virtual ~IRecordWindowsHost() = default;

    // The log of the recording in progress, or the Log folder when none runs.
    virtual QString CurrentLogFile() const = 0;
    // Whether a recording is writing to CurrentLogFile now.
    virtual bool IsRecording() const = 0;
    // Holds (true) or releases (false) the delivery of the meter's lines while the log in
    // recording is copied, so that no batch is appended meanwhile. Nothing when the port is closed.
    virtual void HoldLineDelivery(bool hold) = 0;
    // The main window's risk choices.
    virtual TPopulation RiskPopulation() const = 0;
    virtual TTargetState RiskState() const = 0;
};
