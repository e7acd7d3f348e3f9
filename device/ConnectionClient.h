#pragma once
// What the connection form needs of the program around it: the status line, the settings and
// the start of listening. The main window implements it, so the device layer calls up into the
// window without including it; the meter's lines go to the receiver instead (model/MeterReceiver).

#include "storage/LastSettings.h"

#include <QString>

class IConnectionClient {
public:
    virtual ~IConnectionClient() = default;

    // The listen action, as from the listen button, with that button pressed.
    virtual void StartListening() = 0;
    // The main window's status line.
    virtual void ShowStatus(const QString &text) = 0;
    // A notice on the status line that the running status does not replace at once.
    virtual void ShowNotice(const QString &text) = 0;
    // The settings as the main window's controls hold them, and applying loaded ones to them:
    // those of the first linesInEffect lines of the settings file, in the file's order.
    virtual TLastSettings CurrentSettings() const = 0;
    virtual void ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect) = 0;
    // Completes a recording in progress before the process ends at once.
    virtual void SaveRecordingBeforeExit() = 0;
};
