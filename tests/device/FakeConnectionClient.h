#pragma once
// Plays the main window for the connection form and records what the form asks of it.

#include "device/ConnectionClient.h"
#include "model/InOutError.h"

#include <QStringList>

#include <optional>
#include <vector>

struct FakeConnectionClient : IConnectionClient {
    struct TSample {
        int PeakFrequency;
        float Value;
    };

    void ProcessSample(int peakFrequency, float value) override
    {
        Samples.push_back({peakFrequency, value});
        if (SampleError)
            throw EInOutError(*SampleError);
    }
    void ImportLine(const QString &line) override { Imported << line; }
    void StartListening() override { ++StartListeningCalls; }
    void ShowStatus(const QString &text) override { Statuses << text; }
    double CurrentInterval() const override { return Interval; }
    TLastSettings CurrentSettings() const override { return Events << "settings read", Settings; }
    void ApplyLoadedSettings(const TLastSettings &settings, int) override { Applied.push_back(settings); }
    void SaveRecordingBeforeExit() override
    {
        Events << "recording saved";
        if (SaveRecordingError)
            throw EInOutError(*SaveRecordingError);
    }

    std::vector<TSample> Samples;
    QStringList Imported;
    int StartListeningCalls = 0;
    QStringList Statuses;
    double Interval = 0.5;
    TLastSettings Settings;
    std::vector<TLastSettings> Applied;
    mutable QStringList Events;
    std::optional<QString> SampleError;        // thrown by ProcessSample
    std::optional<QString> SaveRecordingError; // thrown by SaveRecordingBeforeExit
};
