#pragma once
// The program's main window and connection form against a simulated meter on a
// pseudo-terminal in a device folder of the test's own, over the real serial path. The
// services and the metadata dialog are the test's; an error that escapes the handling of a
// line is shown as the application object shows it.

#include "tests/app/AppTestSupport.h"

#include "device/Form2_Port.h"
#include "model/SampleRecord.h"
#include "storage/Form5_MetaData.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/StoredValues.h"
#include "tools/meter-sim/MeterTerminal.h"

#include <QDateTime>
#include <QList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

class MeterSession : public ::testing::Test {
protected:
    MeterSession();
    ~MeterSession() override;

    // The meter appears as ttyUSB0 in the device folder.
    void PlugIn();
    // Pulls the cable (the device's name goes) and waits until the program has noticed.
    void Unplug();
    // A new meter terminal under the same name (the port retry is the test's to drive).
    void PlugInAgain();
    // The entry's order: the connection form is made and attached to the main window.
    void Start();

    // Writes the lines and returns once the port has handed them all over.
    void Send(const QList<QByteArray> &lines);
    void Measure(double value, int frequency = 0);
    // Sends count readings: first, first + step, ...
    void MeasureSeries(int count, double first = 0.25, double step = 0.125);

    // Presses Record; the metadata dialog is answered by MetaAnswer.
    void Record();
    // The settings as the user picks them before recording.
    void ChooseInterval(int index);

    // The logs in the Log folder, by name.
    QStringList Logs() const;

    TempAppDir App;
    QTemporaryDir Devices;
    TFakeServices Services{QDateTime::currentDateTime()};
    std::unique_ptr<TMeterTerminal> Meter = TMeterTerminal::OpenPseudoTerminal();
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    int Delivered = 0;
    int MetaDialogs = 0;
    // How the metadata dialog is answered; OK with the fields as they are by default.
    std::function<void(TForm5 &)> MetaAnswer = [](TForm5 &dialog) { dialog.ImageOKbClick(); };
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

// The readings MeasureSeries sends, as the log stores them with a correction factor.
std::vector<float> SeriesValues(int count, double first = 0.25, double step = 0.125, float factor = 1.0f);
