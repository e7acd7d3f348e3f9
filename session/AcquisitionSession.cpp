#include "session/AcquisitionSession.h"

#include "model/InOutError.h"
#include "model/Services.h"
#include "model/Units.h"
#include "session/DeferredError.h"
#include "session/FreeLogName.h"
#include "session/SampleWait.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"

#include <optional>
#include <utility>

namespace {

// Sets a flag for as long as it lives, also when the work ends by an error: a flag
// left set would make the next save wait, or the next recording skip its description.
class TFlagScope {
public:
    explicit TFlagScope(bool &flag) : Flag(flag) { Flag = true; }
    ~TFlagScope() { Flag = false; }
    TFlagScope(const TFlagScope &) = delete;
    TFlagScope &operator=(const TFlagScope &) = delete;

private:
    bool &Flag;
};

} // namespace

TAcquisitionSession::TAcquisitionSession(const QString &logDir, QObject *parent)
    : QObject(parent), LogDir(logDir), LogFile(logDir), WriteBuffer(std::make_unique<TCircBuffer>(1))
{
    PauseForSample = &ProcessEventsFor;
    MetaData.Version = 1;
    connect(&Import.ImportTimer, &QTimer::timeout, this, &TAcquisitionSession::EndTransfer);
    UnsavedRetryTimer.setInterval(UnsavedRetryIntervalMs);
    connect(&UnsavedRetryTimer, &QTimer::timeout, this, &TAcquisitionSession::RetryUnsavedFiles);
    Alert.Watch(*this);
}

TAcquisitionChoice TAcquisitionSession::Settings() const
{
    return {MetaData.Unit, MetaData.Interval, MetaData.Correction, static_cast<int>(Points)};
}

void TAcquisitionSession::TakeSettings(const TAcquisitionChoice &choice)
{
    MetaData.Unit = choice.Unit;
    MetaData.Interval = choice.Interval;
    MetaData.Correction = static_cast<std::int8_t>(choice.Correction);
    Points = static_cast<std::uint32_t>(choice.VisibleSamples);
}

void TAcquisitionSession::ResetStatistics()
{
    RunStatistics.Reset(MetaData.Unit, ToTDateTime(CurrentTime()));
}

void TAcquisitionSession::SetState(TRecordingState state)
{
    RecordingState = state;
    emit StateChanged(state);
}

void TAcquisitionSession::ResetLiveState(TRecordingState mode, const TAcquisitionChoice &choice)
{
    const THeldLines held(LineHold);
    ResetLiveState(mode, choice, CurrentTime());
}

void TAcquisitionSession::ResetLiveState(TRecordingState mode, const TAcquisitionChoice &choice, const QDateTime &now)
{
    Start = ToTDateTime(now);
    SetState(mode);
    TakeSettings(choice);
    RunStatistics.Reset(choice.Unit, Start);
    emit LiveStateReset();
    if (mode == Recording) {
        WriteBuffer = std::make_unique<TCircBuffer>(WriteBufferCapacityFor(choice.Interval));
        WriteFailed = false;
        MetaOwed = false;
        NotInLog.Clear();
        // The status line must not keep what it said of the previous record.
        emit StatusText(QString());
        CreateLogFile(LogFile);
        emit LogFileCreated();
    }
}

void TAcquisitionSession::ProcessSample(int peakFrequency, float value)
{
    // Tells the save at the end of a recording that a sample is being handled.
    const TFlagScope inProgress(SampleInProgress);
    const QDateTime now = CurrentTime();
    Frequency = static_cast<std::uint16_t>(peakFrequency);
    Value = ApplyCorrection(value, MetaData.Unit, MetaData.Correction);

    // A log that cannot be written does not keep the sample from being counted and shown:
    // the error is thrown once the sample is done.
    TDeferredError writeError;
    if (RecordingState == Recording && WriteBuffer->HasStorage()) {
        TSampleRecord record;
        MakeSampleRecord(Frequency, 0, record, Value);
        WriteBuffer->Push(record);
        if (WriteBuffer->Count() >= static_cast<std::uint32_t>(WriteBuffer->Capacity()))
            writeError.Run([this] { AppendWriteBuffer(); });
    }
    const double day = ToTDateTime(now);
    RunStatistics.Add(Value, day);
    // The day count the statistics take anyway: converting the time once more would cost as
    // much as the whole alert.
    Alert.Take(day * 86400.0, MetaData.Unit, Value);
    emit SampleProcessed(now);
    if (RunStatistics.SampleCount() == SampleCounterLimit)
        ShowMessageBox(TMsgKind::Warning,
                       tr("The number of acquired samples is exceedingly large. The counter will "
                          "not be updated anymore, owever you can keep logging the data"));
    writeError.Rethrow();
}

void TAcquisitionSession::StartListening(const TAcquisitionChoice &choice)
{
    const THeldLines held(LineHold);
    TDeferredError saveError;
    if (RecordingState == Recording)
        saveError.Run([this] { SaveOnStop(); });
    ResetLiveState(Listening, choice);
    saveError.Rethrow();
}

void TAcquisitionSession::StartRecording(const TAcquisitionChoice &choice)
{
    const THeldLines held(LineHold);
    // A recording running now is completed before the next begins.
    if (RecordingState == Recording)
        SaveOnStop();
    const QDateTime now = CurrentTime();
    LogFile = FreeLogFileName(LogDir, now);
    try {
        ResetLiveState(Recording, choice, now);
    } catch (const EInOutError &) {
        // No log could be made, so nothing is recorded: listening goes on instead.
        LogFile = LogDir;
        ResetLiveState(Listening, choice, now);
        throw;
    }
}

void TAcquisitionSession::WriteRecordMeta()
{
    MetaOwed = true;
    try {
        WriteMetaFile(CompanionToWrite(LogFile, QStringLiteral(".meta")), MetaData, Start);
    } catch (const EInOutError &) {
        UnsavedRetryTimer.start();
        throw;
    }
    MetaOwed = false;
}

void TAcquisitionSession::Stop()
{
    // A save that could not be written does not keep the recording from stopping.
    TDeferredError saveError;
    const bool recording = RecordingState == Recording;
    if (recording)
        saveError.Run([this] { SaveOnStop(); });
    RunStatistics.Histogram().Clear();
    LogFile = LogDir;
    SetState(Stopped);
    // Stop again: what earlier records lack is written now, or the status says what is missing.
    if (!recording && !Unsaved.empty())
        RetryAndTell(true);
    saveError.Rethrow();
}

void TAcquisitionSession::FinishRecording()
{
    if (RecordingState != Recording)
        return;
    // Whatever comes in while it is saved belongs to no record any more.
    SetState(Stopped);
    SaveOnStop();
}

void TAcquisitionSession::SaveBeforeExit()
{
    TDeferredError error;
    error.Run([this] { FinishRecording(); });
    RetryOwedFiles(error);
    if (!Unsaved.empty() && !error)
        throw EInOutError(UnsavedText().trimmed());
    error.Rethrow();
}

void TAcquisitionSession::RetryUnsavedFiles()
{
    RetryAndTell(false);
}

void TAcquisitionSession::RetryAndTell(bool tellMissing)
{
    TDeferredError error;
    RetryOwedFiles(error);
    if (!Unsaved.empty()) {
        if (tellMissing)
            emit StatusText(UnsavedText());
    } else if (RecordingState == Stopped) {
        TellSaved();
    }
}

void TAcquisitionSession::TellSaved()
{
    emit StatusText(tr("   Data has been saved"));
    emit RecordSaved();
}

void TAcquisitionSession::RetryOwedFiles(TDeferredError &error)
{
    if (MetaOwed && RecordingState == Recording)
        error.Run([this] { WriteRecordMeta(); });
    for (TUnsavedRecord &record : Unsaved)
        record.Retry(error);
    std::erase_if(Unsaved, [](const TUnsavedRecord &record) { return !record.Owed(); });
    if (Unsaved.empty() && !MetaOwed)
        UnsavedRetryTimer.stop();
}

void TAcquisitionSession::KeepUnsaved(TUnsavedRecord record)
{
    if (!record.Owed())
        return;
    Unsaved.push_back(std::move(record));
    UnsavedRetryTimer.start();
}

QString TAcquisitionSession::UnsavedText() const
{
    std::uint64_t missing = 0;
    QStringList files;
    for (const TUnsavedRecord &record : Unsaved) {
        missing += record.Samples.size() + record.Lost;
        files << record.OwedFiles();
    }
    return IncompleteRecordText(missing, files);
}

void TAcquisitionSession::RestartRecording(const std::function<void()> &stopAndRecord)
{
    // The stop takes the pending end with it; the restarted recording gets it back.
    const std::optional<QDateTime> pendingEnd = End.IsPending() ? std::optional(End.EndTime()) : std::nullopt;
    const TFlagScope restarting(RestartInProgress);
    stopAndRecord();
    if (RecordingState != Recording)
        return;
    if (pendingEnd)
        ScheduleEnd(*pendingEnd);
    // The new record keeps the operator, place and notes of the previous one.
    WriteRecordMeta();
}

void TAcquisitionSession::HoldLineDelivery(bool hold)
{
    if (!LineHold)
        return;
    if (hold)
        LineHold->HoldLines();
    else
        LineHold->ReleaseLines();
}

void TAcquisitionSession::SetOnHold(bool hold)
{
    OnHold = hold;
    emit StatusText(hold ? tr("   On Hold") : QString());
}

void TAcquisitionSession::MeterLost()
{
    if (RecordingState == Recording) {
        emit StatusText(tr(
            "   The ZELTAR device has been disconnected: the recording waits for it to be connected again"));
        AppendWriteBuffer();
    } else {
        emit StatusText(
            tr("   The ZELTAR device has been disconnected: waiting for it to be connected again"));
    }
}

void TAcquisitionSession::SaveOnStop()
{
    // A pending end belongs to this recording: it must not stop a later one.
    CancelScheduledEnd();
    WaitWhileSampleInProgress(SampleInProgress, PauseForSample);
    TDeferredError error;
    error.Run([this] { AppendWriteBuffer(); });
    if (MetaOwed)
        error.Run([this] { WriteRecordMeta(); });

    TUnsavedRecord record{LogFile, MetaData.Unit, NotInLog.Records(), 0, true, std::nullopt, std::nullopt};
    const std::uint64_t missing = NotInLog.MissingCount();
    record.Lost = missing - record.Samples.size();
    // The live histogram tells what the log holds only when the log lacks no sample.
    if (missing == 0)
        record.LiveHistogram = LiveHistogram();
    if (MetaOwed) {
        record.Meta = MetaData;
        record.Meta->StartTime = Start;
    }
    // Samples the log has just refused are not offered again at once.
    error.Run([&record] { record.WriteHistogram(); });
    // What is still owed belongs to that record now, not to the next recording.
    NotInLog.Clear();
    MetaOwed = false;

    const QString incomplete = IncompleteRecordText(missing, record.OwedFiles());
    if (!incomplete.isEmpty()) {
        emit StatusText(incomplete);
    } else if (!error) {
        TellSaved();
    }
    KeepUnsaved(std::move(record));
    error.Rethrow();
}

void TAcquisitionSession::AppendWriteBuffer()
{
    std::vector<TSampleRecord> records;
    WriteBuffer->GetAll(records);
    WriteBuffer->Clear();
    NotInLog.Add(records);
    if (NotInLog.Records().empty())
        return;
    try {
        AppendSamples(LogFile, NotInLog.Records());
    } catch (const EInOutError &) {
        NotInLog.NotWritten();
        // Told once; until the log takes samples again the status line says so.
        if (!std::exchange(WriteFailed, true))
            throw;
        return;
    }
    NotInLog.Written();
    WriteFailed = false;
    // The disk takes writes again: what is still owed goes down with them.
    if (MetaOwed || !Unsaved.empty()) {
        TDeferredError quiet;
        RetryOwedFiles(quiet);
    }
}

void TAcquisitionSession::ScheduleEnd(const QDateTime &end)
{
    End.Schedule(end, MetaData.Interval);
    emit ScheduledEndChanged();
}

void TAcquisitionSession::CancelScheduledEnd()
{
    End.Cancel();
    emit ScheduledEndChanged();
}

bool TAcquisitionSession::TakeReachedEnd()
{
    if (!End.EndReached())
        return false;
    CancelScheduledEnd();
    return RecordingState == Recording;
}
