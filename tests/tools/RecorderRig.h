#pragma once
// A recorder of the test's own against a simulated meter on a pseudo-terminal, linked as
// ttyUSB0 in a device folder of the test's own (so that it can be unplugged and plugged in
// again), with the records in a folder of their own. Its state lines and its end are kept.

#include "tools/meter-sim/MeterTerminal.h"
#include "tools/record/Recorder.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class TRecorderRig {
public:
    // The options' port and records folder are the rig's.
    explicit TRecorderRig(const TAppPaths &paths, TRecorderOptions options = {});
    ~TRecorderRig();

    // A new meter terminal appears as ttyUSB0.
    void PlugIn();
    // Pulls the cable and waits until the recorder has noticed.
    void Unplug();
    // The recorder made and started; true once it records (a meter plugged in).
    bool Start();

    // Writes the lines and returns once the port has handed them all over.
    void Send(const QList<QByteArray> &lines);
    // count readings: first, first + step, ..., with the peak frequencies 100, 200, ...
    void MeasureSeries(int count, double first = 0.25, double step = 0.125);
    // The logs of the records folder by name, with their paths.
    QStringList Logs() const;

    QTemporaryDir Devices;
    QTemporaryDir Records;
    const TAppPaths Paths;
    TRecorderOptions Options;
    std::unique_ptr<TMeterTerminal> Meter;
    std::unique_ptr<TRecorder> Recorder;
    QStringList StateLines;
    std::optional<int> ExitCode;
    int Delivered = 0;
};

// The readings MeasureSeries sends, as a log stores them.
std::vector<float> SentValues(int count, double first = 0.25, double step = 0.125);
