#pragma once
// The acquisition session: listening, recording, pausing, stopping, restarting and importing,
// and every change of the acquisition state. It owns the numbers of the run (statistics and
// live histogram), the write buffer and the log of a recording with the samples that log
// could not take yet, the metadata and the scheduled end. It needs no window: windows ask it
// to act and draw what its signals report. File errors are thrown to the handler that asked;
// questions and the time of every action go through the program's services.

#include "model/GlobalState.h"
#include "model/SampleRecord.h"
#include "model/SampleStatistics.h"
#include "model/UnitCircBuffer_COMMON.h"
#include "model/UnwrittenSamples.h"
#include "session/LiveSettings.h"
#include "storage/MetaData.h"
#include "storage/ScheduledEnd.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TAcquisitionSession : public QObject {
    Q_OBJECT

public:
    // Beyond this count the sample counter stands still; reaching it is told once.
    static constexpr std::uint64_t SampleCounterLimit = 4294967295u;

    // logDir is where recordings are named.
    explicit TAcquisitionSession(const QString &logDir, QObject *parent = nullptr);

    TRecordingState State() const { return RecordingState; }
    // The log of the recording in progress (or of the last import), else the Log folder.
    const QString &CurrentLogFile() const { return LogFile; }
    const TMetaData &CurrentMetaData() const { return MetaData; }
    // The metadata dialog fills the operator, the place and the notes in here.
    TMetaData &DescriptionToEdit() { return MetaData; }
    // The settings in effect: the metadata's unit, interval and correction, and the points shown.
    TAcquisitionChoice Settings() const;
    const TSampleStatistics &Statistics() const { return RunStatistics; }
    const THistogram &LiveHistogram() const { return RunStatistics.Histogram(); }
    float CurrentValue() const { return Value; }
    std::uint16_t PeakFrequency() const { return Frequency; }
    double SessionStart() const { return Start; } // day count
    std::uint32_t VisibleSamples() const { return Points; }
    // The last write to the log of this recording failed.
    bool LogWriteFailed() const { return WriteFailed; }
    // How many samples the memory keeps for a log that cannot be written.
    void LimitUnwritten(std::size_t samples) { NotInLog = TUnwrittenSamples(samples); }
    // The pending end of the recording; the schedule dialog sets it.
    TScheduledEnd &ScheduledEnd() { return End; }

    // How SaveOnStop waits (in milliseconds) for a sample in progress; tests count instead.
    std::function<void(int)> PauseForSample;

    // Settings taken without restarting the run: at start-up and from the settings file.
    void TakeSettings(const TAcquisitionChoice &choice);
    // The numbers of the run start afresh at start-up.
    void ResetStatistics();

    // The live state rebuilt for mode with choice: the statistics, the charts (LiveStateReset),
    // and for a recording a new write buffer and an empty log at CurrentLogFile.
    void ResetLiveState(TRecordingState mode, const TAcquisitionChoice &choice);

    // One reading of the meter: corrected, recorded while a recording runs, counted. A log
    // that cannot be written is thrown once the sample has been counted and reported.
    void ProcessSample(int peakFrequency, float value);

    // Listening with choice; a recording in progress is saved first, and a save that failed
    // is thrown once listening runs.
    void StartListening(const TAcquisitionChoice &choice);
    // A new recording, named and started at one reading of the clock. A recording in progress
    // is completed first. When no log can be made, listening goes on and the error is thrown.
    void StartRecording(const TAcquisitionChoice &choice);
    // The recording's .meta with the session's start time.
    void WriteRecordMeta();
    // Stops the run: a recording is saved, the live histogram emptied; a failed save is thrown
    // once stopped.
    void Stop();
    // A recording in progress stops taking samples and is saved (scheduled end, import, exit).
    void FinishRecording();
    // Restart of a recording: stopAndRecord stops it and records anew; the new recording keeps
    // the pending end and the description of the previous one.
    void RestartRecording(const std::function<void()> &stopAndRecord);
    // Pause: every received line is ignored while held.
    void SetOnHold(bool hold);
    // The meter is gone: a recording's buffered samples go to its log at once.
    void MeterLost();

    // Completing a recording: the write buffer's records appended, the live histogram written
    // beside the log, "   Data has been saved". A pending scheduled end belonged to this
    // recording and goes with it. File errors are thrown after both files have been tried.
    void SaveOnStop();
    // Appends what the write buffer holds, after the samples the log could not take before,
    // and empties it. Only the first failure is thrown, so that the error is shown once.
    void AppendWriteBuffer();

    void ScheduleEnd(const QDateTime &end);
    void CancelScheduledEnd();
    // The pending end has been reached: it is cancelled, and true when a recording is to stop.
    bool TakeReachedEnd();

    // The memory import: Importing while the dump arrives, Stopped once it has been handled.
    void BeginImport();
    void EndImport();
    // The transfer reversed into the order of its measurement, then replayed through the
    // pipeline onto a time chart that holds it whole.
    void ReplayImport(std::vector<TSampleRecord> &records, const TAcquisitionChoice &choice);
    // Writes the imported record under fileName once describe (the metadata dialog) agrees.
    void SaveImportedRecord(const QString &fileName, const std::vector<TSampleRecord> &records,
                            const std::function<bool()> &describe);

signals:
    void LiveStateReset();
    void SampleProcessed(const QDateTime &at);
    void SampleReplayed(int done);
    void StateChanged(TRecordingState state);
    void StatusText(const QString &text);
    void RecordSaved();
    void LogFileCreated();
    void ScheduledEndChanged();

private:
    void SetState(TRecordingState state);
    void ResetLiveState(TRecordingState mode, const TAcquisitionChoice &choice, const QDateTime &now);

    const QString LogDir;
    QString LogFile;
    TMetaData MetaData;
    TSampleStatistics RunStatistics;
    std::unique_ptr<TCircBuffer> WriteBuffer;
    TUnwrittenSamples NotInLog;
    bool WriteFailed = false;
    TScheduledEnd End;
    float Value = 0.0f;
    std::uint16_t Frequency = 0;
    double Start = 0.0;
    std::uint32_t Points = 0;
};
