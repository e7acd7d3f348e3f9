#include "tests/publish/TestClient.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QUuid>

#include <mosquitto.h>

TTestClient::TTestClient(std::uint16_t port, const QStringList &topics, bool clean, const TLogin &login)
    : Topics(topics)
{
    mosquitto_lib_init();
    const QByteArray id = "test-client-" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    Client = mosquitto_new(id.constData(), clean, this);
    mosquitto_connect_callback_set(Client, Connected);
    mosquitto_subscribe_callback_set(Client, Subscribed);
    mosquitto_message_callback_set(Client, Received);
    if (!login.User.isEmpty())
        mosquitto_username_pw_set(Client, login.User.toUtf8().constData(), login.Password.toUtf8().constData());
    mosquitto_reconnect_delay_set(Client, 1, 1, false);
    mosquitto_connect_async(Client, "127.0.0.1", port, 30);
    mosquitto_loop_start(Client);
}

TTestClient::~TTestClient()
{
    mosquitto_disconnect(Client);
    mosquitto_loop_stop(Client, false);
    mosquitto_destroy(Client);
}

bool TTestClient::WaitSubscribed()
{
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        {
            const std::lock_guard lock(Mutex);
            if (Subscriptions >= Topics.size())
                return true;
        }
        QThread::msleep(5);
    }
    return false;
}

void TTestClient::Publish(const QString &topic, const QByteArray &payload, bool retain)
{
    mosquitto_publish(Client, nullptr, topic.toUtf8().constData(), static_cast<int>(payload.size()),
                      payload.constData(), 1, retain);
}

std::vector<TReceivedMessage> TTestClient::Messages() const
{
    const std::lock_guard lock(Mutex);
    return Kept;
}

std::vector<TReceivedMessage> TTestClient::MessagesOn(const QString &topic) const
{
    std::vector<TReceivedMessage> messages;
    for (const TReceivedMessage &message : Messages())
        if (message.Topic == topic)
            messages.push_back(message);
    return messages;
}

std::vector<QByteArray> TTestClient::PayloadsOn(const QString &topic) const
{
    std::vector<QByteArray> payloads;
    for (const TReceivedMessage &message : MessagesOn(topic))
        payloads.push_back(message.Payload);
    return payloads;
}

void TTestClient::Connected(mosquitto *client, void *data, int code)
{
    const auto &self = *static_cast<TTestClient *>(data);
    if (code != 0)
        return;
    for (const QString &topic : self.Topics)
        mosquitto_subscribe(client, nullptr, topic.toUtf8().constData(), 1);
}

void TTestClient::Subscribed(mosquitto *, void *data, int, int, const int *)
{
    auto &self = *static_cast<TTestClient *>(data);
    const std::lock_guard lock(self.Mutex);
    ++self.Subscriptions;
}

void TTestClient::Received(mosquitto *, void *data, const mosquitto_message *message)
{
    auto &self = *static_cast<TTestClient *>(data);
    const std::lock_guard lock(self.Mutex);
    self.Kept.push_back({QString::fromUtf8(message->topic),
                         QByteArray(static_cast<const char *>(message->payload), message->payloadlen),
                         message->retain});
}
