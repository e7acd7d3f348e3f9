#pragma once
// What the connection asks of its owner, answered for the recorder: the settings file only
// gives the defaults (and is given back unchanged), and the rest is handed to the recorder as
// events. The readings go from the connection to the session directly.

#include "device/ConnectionClient.h"
#include "model/Risk.h"
#include "session/LiveSettings.h"

#include <cstdint>
#include <functional>
#include <optional>

class TAcquisitionSession;

// The settings the command line gave; the others come from the settings file.
struct TChoiceOverrides {
    std::optional<std::uint8_t> Unit;
    std::optional<double> Interval;
    std::optional<int> Correction;
};

class TRecorderHost : public IConnectionClient {
public:
    TRecorderHost(TAcquisitionSession &session, const TChoiceOverrides &overrides);

    // The settings of the records: the program's defaults, the file's, the command line's.
    const TAcquisitionChoice &Choice() const { return Chosen; }
    // The risk population and state of the settings file, for what is published.
    TPopulation Population() const { return PopulationOfIndex(Loaded.Population); }
    TTargetState State() const { return TargetStateOfIndex(Loaded.State); }

    std::function<void()> OnMeterFound;                  // the port has opened: the run may start
    std::function<void(const QString &text)> OnWaiting;  // no meter: the connection's status text
    std::function<void(const QString &text)> OnNotice;

    void StartListening() override;
    void ShowStatus(const QString &text) override;
    void ShowNotice(const QString &text) override;
    TLastSettings CurrentSettings() const override;
    void ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect) override;
    void SaveRecordingBeforeExit() override;

private:
    void Override();

    TAcquisitionSession &Session;
    const TChoiceOverrides Overrides;
    TLastSettings Loaded;
    TAcquisitionChoice Chosen;
};
