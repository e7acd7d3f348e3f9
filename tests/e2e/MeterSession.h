#pragma once
// The program's main window and connection form against a simulated meter on a
// pseudo-terminal in a device folder of the test's own, over the real serial path. The
// services are the test's; the metadata dialog is confirmed as it opens, and an error that
// escapes the handling of a line is shown as the application object shows it.

#include "tests/app/AppTestSupport.h"

#include "device/MeterConnection.h"
#include "tests/support/RecordFiles.h"
#include "tools/meter-sim/MeterTerminal.h"

#include <QList>
#include <QToolButton>
#include <QTemporaryDir>

#include <memory>

class MeterSession : public ::testing::Test {
protected:
    MeterSession();
    ~MeterSession() override;

    // A new meter terminal appears as ttyUSB0 in the device folder.
    void PlugIn();
    // Pulls the cable (the device's name goes) and waits until the program has noticed.
    void Unplug();
    void Start();

    // Writes the lines and returns once the port has handed them all over.
    void Send(const QList<QByteArray> &lines);
    // Sends count readings: first, first + step, ... (tests/tools/RecorderRig.h's SentValues).
    void MeasureSeries(int count, double first = 0.25, double step = 0.125);
    void Record() { Form1->Bar->RecB->click(); }
    // The first log of the Log folder by name, with its path.
    QString Log() const;

    TempAppDir App;
    QTemporaryDir Devices;
    TFakeServices Services{QDateTime::currentDateTime()};
    std::unique_ptr<TMeterTerminal> Meter;
    std::unique_ptr<TMainWindow> Form1;
    std::unique_ptr<TMeterConnection> Form2;
    int Delivered = 0;
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
