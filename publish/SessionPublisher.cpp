#include "publish/SessionPublisher.h"

#include "model/InOutError.h"
#include "model/Services.h"
#include "publish/ReadingQueue.h"
#include "session/AcquisitionSession.h"

#include <QFileInfo>

#include <algorithm>

TSessionPublisher::TSessionPublisher(TAcquisitionSession &session, TPublishOptions options, QObject *parent)
    : TSessionPublisher(session, std::move(options), TReconnectDelays{}, parent)
{
}

TSessionPublisher::TSessionPublisher(TAcquisitionSession &session, TPublishOptions options, TReconnectDelays delays,
                                     QObject *parent)
    : QObject(parent), Session(session), Publisher(std::move(options), delays), Limit(TReadingQueue::DefaultLimit)
{
    connect(&Publisher, &TMqttPublisher::StatusChanged, this, &TSessionPublisher::StatusChanged);
    connect(&Session, &TAcquisitionSession::SampleProcessed, this, &TSessionPublisher::TakeSample);
    connect(&Session, &TAcquisitionSession::StateChanged, this, &TSessionPublisher::TakeState);
    connect(&Session, &TAcquisitionSession::LogFileCreated, this, &TSessionPublisher::TakeNewLog);
    // The alert is judged before the sample is reported: its start goes out before the reading.
    connect(&Session.Alert, &TLiveAlert::Started, this, [this] { TakeAlert(true); });
    connect(&Session.Alert, &TLiveAlert::Ended, this, [this] { TakeAlert(false); });
    RefillTimer.setInterval(RefillIntervalMs);
    connect(&RefillTimer, &QTimer::timeout, this, &TSessionPublisher::Refill);
    TakeState();
}

TSessionPublisher::~TSessionPublisher() = default;

void TSessionPublisher::Start()
{
    Publisher.Start();
}

void TSessionPublisher::Stop()
{
    Refill();
    RefillTimer.stop();
    Publisher.Stop();
}

void TSessionPublisher::SetRiskChoice(TPopulation population, TTargetState state)
{
    Population = population;
    RiskState = state;
}

void TSessionPublisher::SetQueueLimit(std::size_t readings)
{
    Limit = std::max<std::size_t>(readings, 1);
    Publisher.SetQueueLimit(Limit);
}

void TSessionPublisher::TakeState()
{
    RecordName = Session.State() == Recording ? QFileInfo(Session.CurrentLogFile()).completeBaseName() : QString();
}

void TSessionPublisher::TakeNewLog()
{
    ++RecordingNumber;
    RecordedSamples = 0;
    TakeState();
}

void TSessionPublisher::TakeSample(const QDateTime &at)
{
    const bool recorded = Session.State() == Recording;
    if (recorded)
        ++RecordedSamples;
    if (recorded && Backlog && Behind.empty() && BacklogRecordingNumber == RecordingNumber) {
        Backlog->Extend(RecordedSamples);
        Refill();
        return;
    }
    const TAcquisitionChoice settings = Session.Settings();
    if (recorded && !ReadingsWaitAside() && Publisher.QueuedReadings() >= Limit) {
        // The queue is full: this reading and those after it wait in the log.
        Backlog.emplace(Session.CurrentLogFile(), RecordName, Session.SessionStart(), settings.Interval, settings.Unit,
                        RecordedSamples);
        BacklogRecordingNumber = RecordingNumber;
        RefillTimer.start();
        return;
    }
    TPublishedReading reading = MakePublishedReading(at, settings.Unit, Session.CurrentValue(), Session.PeakFrequency(),
                                                     Population, RiskState, RecordName);
    if (Session.Alert.On())
        reading.Alert = Session.Alert.Active();
    if (ReadingsWaitAside()) {
        KeepBehind(std::move(reading));
        Refill();
        return;
    }
    Publisher.Publish(std::move(reading));
}

void TSessionPublisher::TakeAlert(bool on)
{
    const TLiveAlert &alert = Session.Alert;
    TAlertMessage message{on, CurrentTime(), alert.Limit(), alert.Peak(), alert.Unit()};
    // Behind the readings waiting aside, so that it follows the readings before it.
    if (ReadingsWaitAside())
        KeepBehind(std::move(message));
    else
        Publisher.Publish(std::move(message));
}

void TSessionPublisher::KeepBehind(TPublishedMessage message)
{
    if (Behind.size() >= Limit)
        Behind.pop_front();
    Behind.push_back(std::move(message));
}

void TSessionPublisher::Refill()
{
    const std::size_t queued = Publisher.QueuedReadings();
    std::size_t room = queued < Limit ? Limit - queued : 0;
    if (Backlog) {
        try {
            for (TPublishedReading &reading : Backlog->Take(room, Population, RiskState)) {
                Publisher.Publish(std::move(reading));
                --room;
            }
            if (Backlog->Empty())
                Backlog.reset();
        } catch (const EInOutError &) {
            // The log has gone (moved or deleted): its readings cannot be read back any more.
            Backlog.reset();
        }
    }
    for (; !Backlog && room > 0 && !Behind.empty(); --room) {
        Publisher.Publish(std::move(Behind.front()));
        Behind.pop_front();
    }
    if (!ReadingsWaitAside())
        RefillTimer.stop();
}
