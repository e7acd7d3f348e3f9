#pragma once
// Publishing the readings to an MQTT broker: "<base>/<id>/reading" carries one JSON object per
// sample (QoS 1), "<base>/<id>/alert" each start and end of an alert (retained, in order with
// the readings), "<base>/<id>/availability" says "online" or "offline" (retained, "offline"
// also as the last will), and Home Assistant's discovery makes the meter a device with four
// sensors and a binary sensor for the alert. Publish only queues: the network runs on a thread
// of its own, so the sample that is published never waits for it. While the broker cannot be
// reached the readings wait, up to the queue's limit (a day at 0.5 s; beyond it the oldest are
// dropped and counted), and go out in order once it is back; attempts to reach it come after
// 1 s, doubling up to 60 s.
// StatusChanged reports each change on the thread that made the publisher.

#include "publish/BrokerState.h"
#include "publish/PublishOptions.h"
#include "publish/PublishedReading.h"
#include "publish/ReadingQueue.h"
#include "publish/ReconnectDelay.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class TBrokerLink;

class TMqttPublisher : public QObject {
    Q_OBJECT

public:
    // How long a clean end waits for the readings in flight, unless told otherwise.
    static constexpr std::chrono::milliseconds DefaultStopWait{3000};

    // Options that PublishOptionsProblem finds fault with are thrown as EMessageError.
    explicit TMqttPublisher(TPublishOptions options, QObject *parent = nullptr);
    TMqttPublisher(TPublishOptions options, TReconnectDelays delays, QObject *parent = nullptr);
    // Stop with the default wait.
    ~TMqttPublisher() override;

    const TPublishOptions &Options() const { return PublishOptions; }

    // The first attempt to reach the broker begins on the network thread.
    void Start();
    // Queues the reading, or the alert's start or end; nothing is sent on the caller's thread.
    // Ignored once stopped.
    void Publish(TPublishedMessage message);
    // The clean end: the queued readings go out for at most wait while connected, then
    // "offline" is published and the connection closed, in at most two seconds more. Returns
    // when the network thread has ended (a name look-up under way takes as long as the
    // resolver does); the readings still queued are dropped.
    void Stop(std::chrono::milliseconds wait = DefaultStopWait);

    // The state last reported; none before the first report.
    std::optional<TBrokerState> State() const { return LastState; }
    // Readings not yet known to have reached the broker: waiting or in flight. The broker's
    // acknowledgements are read with the next reading, or a second later.
    std::size_t QueuedReadings() const { return Queue.Size(); }
    // Readings dropped because the queue was full.
    std::uint64_t DroppedReadings() const { return Queue.Dropped(); }
    // How many readings may wait for the broker; the oldest beyond it are dropped.
    void SetQueueLimit(std::size_t readings) { Queue.SetLimit(readings); }

signals:
    // One text per change: "broker connected", "broker lost", why it cannot be reached or
    // was refused. Failed attempts that follow a report of the same state are not reported.
    void StatusChanged(TBrokerState state, const QString &text);

private:
    void Take(TBrokerState state, const QString &text);

    const TPublishOptions PublishOptions;
    TReadingQueue Queue;
    std::unique_ptr<TBrokerLink> Link;
    std::optional<TBrokerState> LastState;
    bool Stopped = false;
};
