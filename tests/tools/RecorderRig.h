#pragma once
// A recorder of the test's own against a simulated meter, with the records in a folder of their
// own. Its state lines and its end are kept. The meter's side is shared with tests/e2e.

#include "tools/meter-sim/MeterTerminal.h"
#include "tools/record/Recorder.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// A simulated meter on a pseudo-terminal, linked as ttyUSB0 in a device folder of the test's
// own, so that it can be unplugged and plugged in again. Whoever takes the lines from the port
// counts them in Delivered.
struct TMeterFeed {
    // A new meter terminal appears as ttyUSB0.
    void PlugIn();
    // Writes the lines and returns once the port has handed them all over.
    void Send(const QList<QByteArray> &lines);
    // count readings: first, first + step, ..., with the peak frequencies 100, 200, ...
    void MeasureSeries(int count, double first = 0.25, double step = 0.125);

    QTemporaryDir Devices;
    std::unique_ptr<TMeterTerminal> Meter;
    int Delivered = 0;
};

class TRecorderRig : public TMeterFeed {
public:
    // The options' port and records folder are the rig's.
    explicit TRecorderRig(const TAppPaths &paths, TRecorderOptions options = {});
    ~TRecorderRig();

    // Pulls the cable and waits until the recorder has noticed.
    void Unplug();
    // The recorder made and started; true once it records (a meter plugged in).
    bool Start();

    // The logs of the records folder by name, with their paths.
    QStringList Logs() const;

    QTemporaryDir Records;
    const TAppPaths Paths;
    TRecorderOptions Options;
    std::unique_ptr<TRecorder> Recorder;
    QStringList StateLines;
    std::optional<int> ExitCode;
};

// The readings MeasureSeries sends, as a log stores them.
std::vector<float> SentValues(int count, double first = 0.25, double step = 0.125);
