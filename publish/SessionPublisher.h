#pragma once
// The readings of the acquisition session published to the broker: every sample the session
// processes becomes one reading, with the value, unit and peak frequency the live display
// shows, the risk category of the chosen population and state, and the record's name while
// recording. Only cheap work happens on the sample's thread; the network has its own.
// While the broker is away the readings wait in memory up to the queue's limit. Beyond it,
// while recording, they are not dropped: they wait in the record's log (TRecordBacklog) and
// are read back once the queue has room, followed by the readings that came after them.
// Readings that are not recorded wait in memory alone, the oldest dropped beyond the limit.
// While the session's alert is switched on, each reading says whether an alert is on, and each
// start and end of an alert is published in order with the readings.

#include "publish/BrokerState.h"
#include "publish/MqttPublisher.h"
#include "publish/PublishOptions.h"
#include "publish/PublishedReading.h"
#include "publish/RecordBacklog.h"
#include "publish/ReconnectDelay.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

class TAcquisitionSession;

class TSessionPublisher : public QObject {
    Q_OBJECT

public:
    // Publishes every sample the session processes (its SampleProcessed signal; the values from the session's
    // CurrentValue/PeakFrequency/Settings, the record's name while recording) with options; throws EMessageError for
    // options PublishOptionsProblem rejects.
    TSessionPublisher(TAcquisitionSession &session, TPublishOptions options, QObject *parent = nullptr);
    TSessionPublisher(TAcquisitionSession &session, TPublishOptions options, TReconnectDelays delays,
                      QObject *parent = nullptr);
    ~TSessionPublisher() override;

    void Start();
    // The clean end: what is queued goes out (bounded wait), then "offline".
    void Stop();
    // The population and state whose risk category the readings carry (the Risk Assessment panel's choice).
    void SetRiskChoice(TPopulation population, TTargetState state);

    const TPublishOptions &Options() const { return Publisher.Options(); }
    // Readings in memory not yet known to have reached the broker.
    std::size_t QueuedReadings() const { return Publisher.QueuedReadings(); }
    // How many readings wait in memory for the broker (a day at 0.5 s unless told otherwise).
    void SetQueueLimit(std::size_t readings);
    // Some readings wait in a record's log or behind them.
    bool ReadingsWaitAside() const { return Backlog || !Behind.empty(); }

signals:
    void StatusChanged(TBrokerState state, const QString &text);

private:
    void TakeSample(const QDateTime &at);
    void TakeState();
    void TakeNewLog();
    void TakeAlert(bool on);
    void KeepBehind(TPublishedMessage message);
    // As many of the readings waiting aside as the queue has room for go to it, in order.
    void Refill();

    // How often the readings waiting aside look for room in the queue.
    static constexpr int RefillIntervalMs = 200;

    TAcquisitionSession &Session;
    TMqttPublisher Publisher;
    std::size_t Limit;
    TPopulation Population = TPopulation::General;
    TTargetState RiskState = TTargetState::Wake;
    // The base name of the recording's log, empty when not recording: looked up once per
    // recording, not per sample.
    QString RecordName;
    // The samples of the recording in progress so far: the index of the last one in its log.
    std::uint64_t RecordedSamples = 0;
    // Which recording that is, and which the backlog belongs to.
    std::uint64_t RecordingNumber = 0;
    std::uint64_t BacklogRecordingNumber = 0;
    std::optional<TRecordBacklog> Backlog;
    // Readings (and alert messages) that came after the backlog and are not part of it, oldest first.
    std::deque<TPublishedMessage> Behind;
    QTimer RefillTimer;
};
