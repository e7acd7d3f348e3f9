#include "publish/BrokerLink.h"

#include "publish/DiscoveryConfig.h"

#include <QCoreApplication>

#include <mosquitto.h>

#include <poll.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <utility>
#include <variant>

namespace {

using TClock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int KeepAliveSeconds = 30;
// A broker that takes the connection but never answers it counts as unreachable.
constexpr auto AnswerTimeout = 10s;
// How long the network thread waits for the socket or a new reading. The library checks the
// keep-alive on each turn; a stop in progress and a connection not yet answered look at the
// clock more often. While readings are in flight their acknowledgements are read with the
// next reading rather than on a wake-up of their own, at most AcknowledgeWaitMs late: a
// reading every half second then costs the thread one wake-up, not two. They are read once
// AcknowledgeBatch of them are due, or when the wait has passed, so that the reads that find
// nothing yet do not cost a system call each.
constexpr int IdleWaitMs = 5000;
constexpr int AcknowledgeWaitMs = 1000;
constexpr int BusyWaitMs = 50;
// Readings sent and not yet acknowledged, at most; the library's own default window.
constexpr std::size_t SendWindow = 20;
constexpr std::size_t AcknowledgeBatch = SendWindow / 2;
// After the readings, how long "offline" and the disconnection may take.
constexpr auto OfflineGrace = 1s;

const QByteArray Online = QByteArrayLiteral("online");
const QByteArray Offline = QByteArrayLiteral("offline");

void InitLibrary()
{
    static std::once_flag done;
    std::call_once(done, [] { mosquitto_lib_init(); });
}

int Publish(mosquitto *client, int *messageId, const QByteArray &topic, const QByteArray &payload, bool retain)
{
    return mosquitto_publish(client, messageId, topic.constData(), static_cast<int>(payload.size()),
                             payload.constData(), 1, retain);
}

// "OpenSSL Error[0]: error:0A000086:SSL routines::certificate verify failed" -> the reason.
QString TlsReason(const QString &logLine)
{
    const qsizetype colon = logLine.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? logLine : logLine.mid(colon + 1).trimmed();
}

} // namespace

struct TBrokerLink::TConnection {
    explicit TConnection(TBrokerLink &link) : Link(link) {}

    TBrokerLink &Link;
    mosquitto *Client = nullptr;
    TClock::time_point Began = TClock::now();
    bool Answered = false;  // the broker answered the connection
    bool Accepted = false;  // and took it
    int RefusedCode = 0;    // the broker's reason when it did not
    bool Ended = false;     // the connection is closed
    int EndCode = MOSQ_ERR_SUCCESS;
    int EndErrno = 0;
    bool TimedOut = false;
    QString LastError; // the library's last error message
    bool LogDropped = false; // its log is not followed any more
    std::unordered_map<int, std::uint64_t> InFlight; // message id -> reading
    bool DiscoveryDue = false;
    int OfflineMessage = -1;
    bool OfflineAcknowledged = false;
    bool Disconnecting = false;
    TClock::time_point DisconnectAt;
};

// libmosquitto's callbacks, run by mosquitto_loop on the network thread.
struct TLinkCallbacks {
    static TBrokerLink::TConnection &Of(void *data) { return *static_cast<TBrokerLink::TConnection *>(data); }

    static void Connected(mosquitto *client, void *data, int code)
    {
        TBrokerLink::TConnection &connection = Of(data);
        TBrokerLink &link = connection.Link;
        connection.Answered = true;
        if (code != 0) {
            connection.RefusedCode = code;
            return;
        }
        connection.Accepted = true;
        link.Queue.Rewind();
        Publish(client, nullptr, link.AvailabilityTopicName, Online, true);
        if (link.Options.Discovery) {
            mosquitto_subscribe(client, nullptr, link.StatusTopicName.constData(), 1);
            connection.DiscoveryDue = true;
        } else {
            for (const TDiscoveryMessage &removal : DiscoveryRemovals(link.Options))
                Publish(client, nullptr, removal.Topic.toUtf8(), removal.Payload, true);
        }
        link.Report(TBrokerState::Connected, QCoreApplication::translate("TBrokerLink", "broker connected"));
    }

    static void Disconnected(mosquitto *, void *data, int code)
    {
        TBrokerLink::TConnection &connection = Of(data);
        connection.Ended = true;
        connection.EndCode = code;
        connection.EndErrno = errno;
    }

    static void Published(mosquitto *, void *data, int messageId)
    {
        TBrokerLink::TConnection &connection = Of(data);
        if (messageId == connection.OfflineMessage) {
            connection.OfflineAcknowledged = true;
            return;
        }
        const auto found = connection.InFlight.find(messageId);
        if (found == connection.InFlight.end())
            return;
        connection.Link.Queue.Acknowledge(found->second);
        connection.InFlight.erase(found);
    }

    // Home Assistant has (re)started and wants the configurations again.
    static void Message(mosquitto *, void *data, const mosquitto_message *message)
    {
        TBrokerLink::TConnection &connection = Of(data);
        const QByteArray payload(static_cast<const char *>(message->payload), message->payloadlen);
        if (connection.Link.StatusTopicName == message->topic && payload == Online)
            connection.DiscoveryDue = true;
    }

    static void Log(mosquitto *, void *data, int level, const char *text)
    {
        if (level == MOSQ_LOG_ERR)
            Of(data).LastError = QString::fromUtf8(text);
    }
};

TBrokerLink::TBrokerLink(TPublishOptions options, TReadingQueue &queue, TReconnectDelays delays, TReport report)
    : Options(std::move(options)),
      ReadingTopicName(ReadingTopic(Options).toUtf8()),
      AvailabilityTopicName(AvailabilityTopic(Options).toUtf8()),
      AlertTopicName(AlertTopic(Options).toUtf8()),
      StatusTopicName(DiscoveryStatusTopic(Options).toUtf8()),
      Queue(queue),
      Delays(delays),
      Report(std::move(report))
{
    InitLibrary();
}

TBrokerLink::~TBrokerLink()
{
    Stop(0ms);
}

void TBrokerLink::Start()
{
    if (!Thread.joinable())
        Thread = std::thread([this] { Run(); });
}

void TBrokerLink::Stop(std::chrono::milliseconds wait)
{
    {
        const std::lock_guard lock(StopMutex);
        if (!Stopping) {
            Stopping = true;
            Deadline = TClock::now() + wait;
        }
    }
    StopWake.notify_all();
    WakeUp.Notify();
    if (Thread.joinable())
        Thread.join();
}

bool TBrokerLink::StopAsked() const
{
    const std::lock_guard lock(StopMutex);
    return Stopping;
}

std::chrono::steady_clock::time_point TBrokerLink::StopDeadline() const
{
    const std::lock_guard lock(StopMutex);
    return Deadline;
}

void TBrokerLink::WaitUnlessStopped(std::chrono::milliseconds delay)
{
    std::unique_lock lock(StopMutex);
    StopWake.wait_for(lock, delay, [this] { return Stopping; });
}

void TBrokerLink::Run()
{
    TReconnectDelay delay(Delays);
    while (!StopAsked()) {
        if (Connect())
            delay.Reset();
        if (!StopAsked())
            WaitUnlessStopped(delay.Next());
    }
}

bool TBrokerLink::Connect()
{
    TConnection connection(*this);
    const std::unique_ptr<mosquitto, void (*)(mosquitto *)> client(
        mosquitto_new(("zeltar-logger/" + Options.BaseTopic + "/" + Options.MeterId).toUtf8().constData(), true,
                      &connection),
        mosquitto_destroy);
    if (!client) {
        connection.EndCode = MOSQ_ERR_NOMEM;
        ReportFailure(connection);
        return false;
    }
    connection.Client = client.get();
    mosquitto_int_option(client.get(), MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(client.get(), TLinkCallbacks::Connected);
    mosquitto_disconnect_callback_set(client.get(), TLinkCallbacks::Disconnected);
    mosquitto_publish_callback_set(client.get(), TLinkCallbacks::Published);
    mosquitto_message_callback_set(client.get(), TLinkCallbacks::Message);
    mosquitto_log_callback_set(client.get(), TLinkCallbacks::Log);
    if (!Options.User.isEmpty())
        mosquitto_username_pw_set(client.get(), Options.User.toUtf8().constData(),
                                  Options.Password.isEmpty() ? nullptr : Options.Password.toUtf8().constData());
    mosquitto_will_set(client.get(), AvailabilityTopicName.constData(), static_cast<int>(Offline.size()),
                       Offline.constData(), 1, true);
    if (Options.Tls) {
        const int tls = Options.CaFile.isEmpty()
                            ? mosquitto_int_option(client.get(), MOSQ_OPT_TLS_USE_OS_CERTS, 1)
                            : mosquitto_tls_set(client.get(), Options.CaFile.toLocal8Bit().constData(), nullptr,
                                                nullptr, nullptr, nullptr);
        if (tls != MOSQ_ERR_SUCCESS) {
            connection.EndCode = MOSQ_ERR_TLS;
            connection.LastError =
                QCoreApplication::translate("TBrokerLink", "the CA file %1 cannot be read").arg(Options.CaFile);
            ReportFailure(connection);
            return false;
        }
    }

    errno = 0;
    const int started = mosquitto_connect_async(client.get(), Options.Host.toUtf8().constData(), Options.Port,
                                                KeepAliveSeconds);
    if (started != MOSQ_ERR_SUCCESS) {
        connection.EndCode = started;
        connection.EndErrno = errno;
        ReportFailure(connection);
        return false;
    }
    while (!connection.Ended && connection.RefusedCode == 0) {
        const TWork work = WaitForWork(connection);
        errno = 0;
        int turn = MOSQ_ERR_SUCCESS;
        if (!connection.Accepted) {
            // Making the connection (TLS included) is the library's own full turn.
            turn = mosquitto_loop(client.get(), 0, 1);
        } else {
            // Once connected, the turn without the library's select() and the wake-up pipe it
            // drains, a third of the system calls of each reading: the socket is read when
            // poll found something on it or when acknowledgements are due (they are not
            // polled for, see WaitForWork), written when the library has more to write than
            // its publish wrote at once, and the keep-alive is looked after.
            const bool acknowledgementsDue =
                !connection.InFlight.empty() && (!work.Woken || connection.InFlight.size() >= AcknowledgeBatch);
            if ((work.SocketEvents & (POLLIN | POLLERR | POLLHUP)) || acknowledgementsDue)
                turn = mosquitto_loop_read(client.get(), 1);
            if (turn == MOSQ_ERR_SUCCESS && mosquitto_want_write(client.get()))
                turn = mosquitto_loop_write(client.get(), 1);
            if (turn == MOSQ_ERR_SUCCESS)
                turn = mosquitto_loop_misc(client.get());
        }
        if (turn != MOSQ_ERR_SUCCESS && !connection.Ended) {
            connection.Ended = true;
            connection.EndCode = turn;
            connection.EndErrno = errno;
        }
        if (connection.Ended || connection.RefusedCode != 0)
            break;
        if (!connection.Answered && TClock::now() - connection.Began > AnswerTimeout) {
            connection.TimedOut = true;
            break;
        }
        if (connection.Accepted) {
            // The library formats every log line for a callback, two for each reading; its
            // errors only count while the connection is being made (ReportFailure).
            if (!std::exchange(connection.LogDropped, true))
                mosquitto_log_callback_set(client.get(), nullptr);
            SendWaiting(connection);
        }
        if (StopAsked() && (!connection.Accepted || Close(connection)))
            break;
    }
    if (!StopAsked()) {
        if (connection.Accepted)
            Report(TBrokerState::Lost, QCoreApplication::translate("TBrokerLink", "broker lost"));
        else
            ReportFailure(connection);
    }
    return connection.Accepted;
}

TBrokerLink::TWork TBrokerLink::WaitForWork(const TConnection &connection)
{
    const bool busy = !connection.Accepted || StopAsked() || connection.InFlight.size() >= SendWindow;
    const bool acknowledgementsOnly = !busy && !connection.InFlight.empty();
    pollfd waits[2] = {{WakeUp.Fd(), POLLIN, 0}, {mosquitto_socket(connection.Client), 0, 0}};
    if (!acknowledgementsOnly)
        waits[1].events |= POLLIN;
    if (mosquitto_want_write(connection.Client))
        waits[1].events |= POLLOUT;
    ::poll(waits, waits[1].fd < 0 ? 1 : 2, busy ? BusyWaitMs : acknowledgementsOnly ? AcknowledgeWaitMs : IdleWaitMs);
    const bool woken = waits[0].revents & POLLIN;
    if (woken)
        WakeUp.Drain();
    return {static_cast<short>(waits[1].fd < 0 ? 0 : waits[1].revents), woken};
}

void TBrokerLink::ReportFailure(const TConnection &connection)
{
    if (connection.RefusedCode == 4 || connection.RefusedCode == 5) {
        Report(TBrokerState::Refused,
               QCoreApplication::translate("TBrokerLink", "broker refused the user name or password"));
    } else if (connection.RefusedCode != 0) {
        Report(TBrokerState::Refused,
               QCoreApplication::translate("TBrokerLink", "broker refused the connection: %1")
                   .arg(QString::fromUtf8(mosquitto_connack_string(connection.RefusedCode))));
    } else if (connection.EndCode == MOSQ_ERR_TLS || connection.LastError.startsWith(QLatin1String("OpenSSL"))) {
        Report(TBrokerState::TlsFailed,
               QCoreApplication::translate("TBrokerLink", "TLS failure with the broker: %1")
                   .arg(TlsReason(connection.LastError)));
    } else {
        const QString reason = connection.TimedOut ? QCoreApplication::translate("TBrokerLink", "no answer")
                               : connection.EndCode == MOSQ_ERR_ERRNO && connection.EndErrno != 0
                                   ? QString::fromLocal8Bit(std::strerror(connection.EndErrno))
                                   : QString::fromUtf8(mosquitto_strerror(connection.EndCode));
        Report(TBrokerState::Unreachable,
               QCoreApplication::translate("TBrokerLink", "broker not reachable at %1:%2 (%3)")
                   .arg(Options.Host)
                   .arg(Options.Port)
                   .arg(reason));
    }
}

void TBrokerLink::SendWaiting(TConnection &connection)
{
    if (connection.DiscoveryDue && SentUnit)
        SendDiscovery(connection, *SentUnit);
    while (connection.InFlight.size() < SendWindow) {
        std::optional<TReadingQueue::TTaken> taken = Queue.TakeNext();
        if (!taken)
            return;
        int messageId = 0;
        int sent = MOSQ_ERR_SUCCESS;
        if (const auto *alert = std::get_if<TAlertMessage>(&taken->Message)) {
            // Retained: a consumer that comes later learns whether an alert is on.
            sent = Publish(connection.Client, &messageId, AlertTopicName, AlertJson(*alert), true);
        } else {
            const TPublishedReading &reading = std::get<TPublishedReading>(taken->Message);
            if (Options.Discovery && (connection.DiscoveryDue || SentUnit != reading.Unit))
                SendDiscovery(connection, reading.Unit);
            SentUnit = reading.Unit;
            sent = Publish(connection.Client, &messageId, ReadingTopicName, ReadingJson(reading), false);
        }
        // A message the library did not take stays in the queue for the next connection.
        if (sent != MOSQ_ERR_SUCCESS)
            return;
        connection.InFlight.emplace(messageId, taken->Sequence);
    }
}

void TBrokerLink::SendDiscovery(TConnection &connection, std::uint8_t unit)
{
    for (const TDiscoveryMessage &config : DiscoveryConfigs(Options, unit))
        Publish(connection.Client, nullptr, config.Topic.toUtf8(), config.Payload, true);
    connection.DiscoveryDue = false;
}

bool TBrokerLink::Close(TConnection &connection)
{
    const TClock::time_point now = TClock::now();
    const TClock::time_point deadline = StopDeadline();
    if (connection.OfflineMessage < 0) {
        if (Queue.Size() > 0 && now < deadline)
            return false;
        return Publish(connection.Client, &connection.OfflineMessage, AvailabilityTopicName, Offline, true)
               != MOSQ_ERR_SUCCESS;
    }
    if (!connection.Disconnecting) {
        if (!connection.OfflineAcknowledged && now < deadline + OfflineGrace)
            return false;
        connection.Disconnecting = true;
        connection.DisconnectAt = now;
        return mosquitto_disconnect(connection.Client) != MOSQ_ERR_SUCCESS;
    }
    // The loop ends with the disconnection; a broker that does not close it is left.
    return now > connection.DisconnectAt + OfflineGrace;
}
