#pragma once
// What the tool bar's buttons and the Log and Data menus' entries do: listening, recording,
// pausing, stopping and restarting (RecordingControl.cpp), the scheduled end
// (ScheduledEndControl.cpp) and the import of the meter's memory (ImportControl.cpp). It asks
// the session and the meter's port, and sets the panels as each action leaves them.

#include "model/AcquisitionState.h"
#include "model/AppPaths.h"

#include <QObject>

class QWidget;
class TAcquisitionBar;
class TAcquisitionSession;
class TAcquisitionSettingsPanel;
class TLiveChartsPanel;
class TMeterConnection;
class TMetaDataDialog;
class TScheduleDialog;

class TAcquisitionControl : public QObject {
public:
    // The dialogs it opens belong to window, whose title and icon it sets.
    TAcquisitionControl(QWidget &window, TAcquisitionSession &session, TAcquisitionBar &bar,
                        TAcquisitionSettingsPanel &settings, TLiveChartsPanel &charts, const TAppPaths &paths);

    // The connection form that owns the serial port. It is made after the window and opens
    // the port while it is being made; listening asked for before it is attached starts here.
    void AttachConnectionForm(TMeterConnection &form);
    // The listen action, as from the listen button, with that button pressed.
    void StartListening();

    void PlayBClick();
    void RecBClick();
    void PauseBClick();
    void StopBClick();
    void RestartBClick();
    // The Record and Stop menu actions: the button pressed, then its action.
    void PressRecordButton();
    void PressStopButton();
    // The window's and the application's icon for the state the session reports.
    void SetStateIcons(TRecordingState state);

    void ScheduleEnd1Click();
    void InterruptRECTimer();

    // Lines reach the session while it is Importing.
    void Import1Click();

    TMetaDataDialog *MetaDataDialog = nullptr;
    TScheduleDialog *ScheduleDialog = nullptr;

private:
    // What the window gives the session's import.
    void WatchImport();
    bool PortIsOpen() const;
    void ConnectDevice(bool startListening);
    void ClosePort();

    QWidget &Window;
    TAcquisitionSession &Session;
    TAcquisitionBar *const Bar;
    TAcquisitionSettingsPanel *const SettingsPanel;
    TLiveChartsPanel *const Charts;
    const TAppPaths Paths;
    TMeterConnection *ConnectionForm = nullptr;
    bool ListenWhenAttached = false;
};
