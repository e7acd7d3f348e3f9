#pragma once
// The program's main window and connection form against a simulated meter on a
// pseudo-terminal in a device folder of the test's own, over the real serial path. The
// services are the test's; the metadata dialog is confirmed as it opens, and an error that
// escapes the handling of a line is shown as the application object shows it.

#include "tests/app/AppTestSupport.h"

#include "device/MeterConnection.h"
#include "tests/support/RecordFiles.h"
#include "tests/tools/RecorderRig.h"

#include <QToolButton>

#include <memory>

// The meter (PlugIn, Send, MeasureSeries) is the recorder rig's.
class MeterSession : public ::testing::Test, protected TMeterFeed {
protected:
    MeterSession();
    ~MeterSession() override;

    // Pulls the cable (the device's name goes) and waits until the program has noticed.
    void Unplug();
    void Start();

    void Record() { Form1->Bar->RecB->click(); }
    // The first log of the Log folder by name, with its path.
    QString Log() const;

    TempAppDir App;
    TFakeServices Services{QDateTime::currentDateTime()};
    std::unique_ptr<TMainWindow> Form1;
    std::unique_ptr<TMeterConnection> Form2;
    int MetaDialogs = 0;
};

// The meter plugged in and the program started.
class ConnectedMeterSession : public MeterSession {
protected:
    ConnectedMeterSession()
    {
        PlugIn();
        Start();
    }
};
