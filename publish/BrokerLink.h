#pragma once
// The connection to the broker, on a network thread of its own that alone calls libmosquitto.
// The thread sleeps until the socket, a Wake or a timeout has work for it, so that an idle
// publisher costs nothing between two samples.
// It takes the readings (and the alert's starts and ends) from the queue in order and removes each once the broker has
// acknowledged it (QoS 1); it makes a new connection after every failure, waiting as
// TReconnectDelay says; it publishes the availability ("online" when connected, "offline" as
// the last will and at a clean end) and Home Assistant's discovery. What it finds of the
// broker goes to Report, called on the network thread.

#include "publish/BrokerState.h"
#include "publish/PublishOptions.h"
#include "publish/ReadingQueue.h"
#include "publish/ReconnectDelay.h"
#include "publish/WakeUp.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class TBrokerLink {
public:
    using TReport = std::function<void(TBrokerState state, const QString &text)>;

    TBrokerLink(TPublishOptions options, TReadingQueue &queue, TReconnectDelays delays, TReport report);
    ~TBrokerLink();
    TBrokerLink(const TBrokerLink &) = delete;
    TBrokerLink &operator=(const TBrokerLink &) = delete;

    void Start();
    // New readings are queued: the network thread sends them at once.
    void Wake() { WakeUp.Notify(); }
    // Ends the network thread and waits for it. While connected, the queued readings go out
    // for at most wait, then "offline" is published and the connection closed cleanly.
    void Stop(std::chrono::milliseconds wait);

private:
    struct TConnection;
    friend struct TLinkCallbacks;

    void Run();
    // One connection from the attempt to its end; true when the broker accepted it.
    bool Connect();
    void ReportFailure(const TConnection &connection);
    void SendWaiting(TConnection &connection);
    void SendDiscovery(TConnection &connection, std::uint8_t unit);
    // The clean end of a connection once asked to stop; true when it is over.
    bool Close(TConnection &connection);

    struct TWork {
        short SocketEvents = 0; // what poll found on the socket
        bool Woken = false;     // by a Wake
    };
    // Waits until the connection or a Wake has something to do, or the timeout has passed.
    TWork WaitForWork(const TConnection &connection);
    bool StopAsked() const;
    std::chrono::steady_clock::time_point StopDeadline() const;
    void WaitUnlessStopped(std::chrono::milliseconds delay);

    const TPublishOptions Options;
    const QByteArray ReadingTopicName;
    const QByteArray AvailabilityTopicName;
    const QByteArray AlertTopicName;
    const QByteArray StatusTopicName;
    TReadingQueue &Queue;
    const TReconnectDelays Delays;
    const TReport Report;
    // The unit of the last reading sent: the discovery's unit of the reading sensor.
    std::optional<std::uint8_t> SentUnit;
    TWakeUp WakeUp;

    mutable std::mutex StopMutex;
    std::condition_variable StopWake;
    bool Stopping = false;
    std::chrono::steady_clock::time_point Deadline;
    std::thread Thread;
};
