#include "session/AcquisitionSession.h"

#include "model/InOutError.h"
#include "model/Services.h"
#include "model/Units.h"
#include "session/DeferredError.h"
#include "session/FreeLogName.h"
#include "session/SampleWait.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"

#include <array>
#include <optional>
#include <utility>

namespace {

// Sets a shared flag for as long as it lives, also when the work ends by an error: a flag
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

// The level histogram of the samples that are in the log.
THistogram HistogramOfLog(const QString &logPath, std::uint8_t unit)
{
    TSampleStatistics statistics;
    statistics.Reset(unit);
    TLogReader reader(logPath);
    std::array<TSampleRecord, 4096> block;
    while (const std::size_t count = reader.Read(block))
        for (std::size_t i = 0; i < count; ++i)
            statistics.Add(block[i].Value);
    return statistics.Histogram();
}

} // namespace

TAcquisitionSession::TAcquisitionSession(const QString &logDir, QObject *parent)
    : QObject(parent), LogDir(logDir), LogFile(logDir), WriteBuffer(std::make_unique<TCircBuffer>(1))
{
    PauseForSample = &ProcessEventsFor;
    MetaData.Version = 1;
    connect(&Import.ImportTimer, &QTimer::timeout, this, &TAcquisitionSession::EndTransfer);
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
        NotInLog.Clear();
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
    RunStatistics.Add(Value, ToTDateTime(now));
    emit SampleProcessed(now);
    if (RunStatistics.SampleCount() == SampleCounterLimit)
        ShowMessageBox(TMsgKind::Warning,
                       QStringLiteral("The number of acquired samples is exceedingly large. The counter will "
                                      "not be updated anymore, owever you can keep logging the data"));
    writeError.Rethrow();
}

void TAcquisitionSession::StartListening(const TAcquisitionChoice &choice)
{
    TDeferredError saveError;
    if (RecordingState == Recording)
        saveError.Run([this] { SaveOnStop(); });
    ResetLiveState(Listening, choice);
    saveError.Rethrow();
}

void TAcquisitionSession::StartRecording(const TAcquisitionChoice &choice)
{
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
    WriteMetaFile(CompanionToWrite(LogFile, QStringLiteral(".meta")), MetaData, Start);
}

void TAcquisitionSession::Stop()
{
    // A save that could not be written does not keep the recording from stopping.
    TDeferredError saveError;
    if (RecordingState == Recording)
        saveError.Run([this] { SaveOnStop(); });
    RunStatistics.Histogram().Clear();
    LogFile = LogDir;
    SetState(Stopped);
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

void TAcquisitionSession::SetOnHold(bool hold)
{
    OnHold = hold;
    emit StatusText(hold ? QStringLiteral("   On Hold") : QString());
}

void TAcquisitionSession::MeterLost()
{
    if (RecordingState == Recording) {
        emit StatusText(QStringLiteral(
            "   The ZELTAR device has been disconnected: the recording waits for it to be connected again"));
        AppendWriteBuffer();
    } else {
        emit StatusText(
            QStringLiteral("   The ZELTAR device has been disconnected: waiting for it to be connected again"));
    }
}

void TAcquisitionSession::SaveOnStop()
{
    // A pending end belongs to this recording: it must not stop a later one.
    CancelScheduledEnd();
    WaitWhileSampleInProgress(PauseForSample);
    TDeferredError error;
    error.Run([this] { AppendWriteBuffer(); });
    const std::uint64_t missing = NotInLog.MissingCount();
    error.Run([this, missing] {
        const QString histogramFile = CompanionToWrite(LogFile, QStringLiteral(".histo"));
        // The histogram tells what the log holds, without the samples it could not take.
        if (missing == 0)
            LiveHistogram().WriteToFile(histogramFile);
        else
            HistogramOfLog(LogFile, MetaData.Unit).WriteToFile(histogramFile);
    });
    if (missing > 0) {
        const QString samples = missing == 1 ? QStringLiteral("1 sample") : QStringLiteral("%1 samples").arg(missing);
        emit StatusText(QStringLiteral("   The record is incomplete: %1 could not be written to its log").arg(samples));
    } else if (!error) {
        emit StatusText(QStringLiteral("   Data has been saved"));
        emit RecordSaved();
    }
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
