#pragma once
// The acquisition session: listening, recording, pausing, stopping, restarting and importing,
// and every change of the acquisition state. The meter's connection delivers its samples and
// import lines here, and the session holds them back while it rebuilds its live state. It
// owns the numbers of the run (statistics and live histogram), the write buffer and the log of
// a recording with the samples that log could not take yet, the transfer of a memory import,
// the metadata and the scheduled end. It needs no window: windows ask it to act and draw what
// its signals report. File errors are thrown to the handler that asked, and reported by Error
// when the session acted on its own (the end of an import's transfer); questions and the time
// of every action go through the program's services.

#include "model/MeterReceiver.h"
#include "model/SampleRecord.h"
#include "model/SampleStatistics.h"
#include "model/UnitCircBuffer_COMMON.h"
#include "model/UnwrittenSamples.h"
#include "session/LiveAlert.h"
#include "session/LiveSettings.h"
#include "session/MemoryImport.h"
#include "session/UnsavedRecord.h"
#include "storage/MetaData.h"
#include "storage/ScheduledEnd.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// How the questions before an import were answered.
enum class TImportConsent {
    Declined,       // nothing has changed
    RecordingEnded, // the recording in progress has been saved and stopped, but no import starts
    Agreed,         // any recording has been saved and stopped; the import may start
};

// What only the window can do for an import once its transfer has ended.
struct TImportWindow {
    // The unit, interval and correction its controls hold; may throw for a box that holds
    // no valid number.
    std::function<TAcquisitionChoice()> Settings;
    // The save dialog offering proposed: the name chosen, or empty when declined.
    std::function<QString(const QString &proposed)> AskName;
    // The metadata dialog: true once the user has described the record.
    std::function<bool()> Describe;
};

class TAcquisitionSession : public QObject, public IMeterReceiver {
    Q_OBJECT

public:
    // Beyond this count the sample counter stands still; reaching it is told once.
    static constexpr std::uint64_t SampleCounterLimit = 4294967295u;

    // logDir is where recordings are named.
    explicit TAcquisitionSession(const QString &logDir, QObject *parent = nullptr);

    TRecordingState State() const override { return RecordingState; }
    bool IsOnHold() const override { return OnHold; }
    // A recording is being restarted: the new one keeps the description of the previous one.
    bool IsRestarting() const { return RestartInProgress; }
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
    const TScheduledEnd &ScheduledEnd() const { return End; }

    // The alert on the readings of the run, judged before each sample is reported.
    TLiveAlert Alert;

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
    void ProcessSample(int peakFrequency, float value) override;
    double SampleInterval() const override { return MetaData.Interval; }
    void SetLineHold(ILineHold *hold) override { LineHold = hold; }
    // Holds (true) or releases the meter's lines, for a copy of the log in recording.
    void HoldLineDelivery(bool hold);

    // Listening with choice; a recording in progress is saved first, and a save that failed
    // is thrown once listening runs.
    void StartListening(const TAcquisitionChoice &choice);
    // A new recording, named and started at one reading of the clock. A recording in progress
    // is completed first. When no log can be made, listening goes on and the error is thrown.
    void StartRecording(const TAcquisitionChoice &choice);
    // The recording's .meta with the session's start time. One that cannot be written is
    // thrown, and written with the next write of the recording that works.
    void WriteRecordMeta();
    // Stops the run: a recording is saved, the live histogram emptied; a failed save is thrown
    // once stopped. Files that earlier records still lack are written again.
    void Stop();
    // A recording in progress stops taking samples and is saved (scheduled end, import, exit).
    void FinishRecording();
    // The program ends: the recording in progress is saved and every record's missing files
    // are written; what still could not be written is thrown.
    void SaveBeforeExit();
    // Some completed record still lacks samples or files that may yet be written.
    bool HasUnsavedFiles() const { return !Unsaved.empty(); }
    // How often the missing files are tried again, so that they are written soon after
    // there is room again.
    static constexpr int UnsavedRetryIntervalMs = 5000;
    // Writes what completed records still lack (the retry timer runs this); the status line
    // says when they are complete. Errors are not shown: the user has seen them once.
    void RetryUnsavedFiles();
    // Restart of a recording: stopAndRecord stops it and records anew; the new recording keeps
    // the pending end and the description of the previous one.
    void RestartRecording(const std::function<void()> &stopAndRecord);
    // Pause: every received line is ignored while held.
    void SetOnHold(bool hold);
    // The meter is gone: a recording's buffered samples go to its log at once.
    void MeterLost();

    // Completing a recording: the write buffer's records appended, a .meta still owed and the
    // live histogram written beside the log, "   Data has been saved". What could not be
    // written is kept for later writes and the status says what the record lacks. A pending
    // scheduled end belonged to this recording and goes with it. File errors are thrown after
    // every file has been tried.
    void SaveOnStop();
    // Appends what the write buffer holds, after the samples the log could not take before,
    // and empties it. Only the first failure is thrown, so that the error is shown once.
    void AppendWriteBuffer();

    void ScheduleEnd(const QDateTime &end);
    void CancelScheduledEnd();
    // The pending end has been reached: it is cancelled, and true when a recording is to stop.
    bool TakeReachedEnd();

    // The memory import (SessionImport.cpp): Importing while the dump arrives, Stopped once it
    // has been handled.
    TImportWindow ImportWindow;
    // The questions before an import: a recording in progress is saved and stopped once the
    // user agrees, then the meter must be on HOLD.
    TImportConsent AskToImport();
    // The transfer awaited with an empty buffer and the progress at 0.
    void BeginImport();
    // The port of an import that waited for its meter has opened: its data is awaited.
    void ImportPortOpened();
    // One line of the dump as the port delivers it, CR LF included.
    void ImportLine(const QString &line) override;
    // Whether a data line has come and the silence that ends the transfer is awaited.
    bool TransferEndPending() const { return Import.ImportTimer.isActive(); }
    // The transfer has ended (its timer runs this): the records are replayed and saved as a
    // record, and the import ends. Nothing when Stop or Play ended the import before. Errors
    // are reported by Error, never thrown.
    void EndTransfer();

signals:
    void LiveStateReset();
    void SampleProcessed(const QDateTime &at);
    // The import's progress: shown from 0 to length, at done of length, hidden.
    void ImportProgressShown(int length);
    void ImportProgress(int done, int length);
    void ImportProgressHidden();
    // The transfer has been replayed: the live histogram holds it whole.
    void ImportReplayed();
    // The import is over; its port is not needed any more.
    void ImportEnded();
    // An error the session found while acting on its own, to be shown as it is.
    void Error(const QString &text);
    void StateChanged(TRecordingState state);
    void StatusText(const QString &text);
    void RecordSaved();
    void LogFileCreated();
    void ScheduledEndChanged();

private:
    void SetState(TRecordingState state);
    void ResetLiveState(TRecordingState mode, const TAcquisitionChoice &choice, const QDateTime &now);
    void CompleteImport(std::vector<TSampleRecord> &records, int length);
    void ReplayImport(std::vector<TSampleRecord> &records, const TAcquisitionChoice &choice, int length);
    void HideImportProgress();
    void SaveImportedRecord(const std::vector<TSampleRecord> &records);
    void EndImport();
    void KeepUnsaved(TUnsavedRecord record);
    void RetryOwedFiles(TDeferredError &error);
    // The retry, then "saved" once nothing is owed while stopped, or (tellMissing) what still is.
    void RetryAndTell(bool tellMissing);
    void TellSaved();
    QString UnsavedText() const;

    const QString LogDir;
    // Lines are held while the live state is rebuilt, so that no sample is processed halfway
    // through it.
    ILineHold *LineHold = nullptr;
    TRecordingState RecordingState = Listening;
    bool OnHold = false;
    // A received line is being processed: a save reached under one of its boxes waits for it.
    bool SampleInProgress = false;
    bool RestartInProgress = false;
    QString LogFile;
    TMetaData MetaData;
    TSampleStatistics RunStatistics;
    std::unique_ptr<TCircBuffer> WriteBuffer;
    TUnwrittenSamples NotInLog;
    bool WriteFailed = false;
    // The .meta of the recording in progress could not be written yet.
    bool MetaOwed = false;
    std::vector<TUnsavedRecord> Unsaved;
    QTimer UnsavedRetryTimer;
    TScheduledEnd End;
    float Value = 0.0f;
    std::uint16_t Frequency = 0;
    double Start = 0.0;
    std::uint32_t Points = 0;
    TMemoryImport Import;
};
