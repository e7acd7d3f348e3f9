#pragma once
// A client of the test's broker that subscribes to topics and keeps every message it gets, on
// libmosquitto's own network thread, and publishes what the test plays (Home Assistant's
// status). It reconnects by itself a second after the broker went away; with a lasting
// session (clean = false) the broker keeps what came meanwhile for it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <mutex>
#include <vector>

struct mosquitto;
struct mosquitto_message;

struct TReceivedMessage {
    QString Topic;
    QByteArray Payload;
    bool Retained;
};

class TTestClient {
public:
    struct TLogin {
        QString User;
        QString Password;
    };

    TTestClient(std::uint16_t port, const QStringList &topics, bool clean = true, const TLogin &login = {});
    ~TTestClient();
    TTestClient(const TTestClient &) = delete;
    TTestClient &operator=(const TTestClient &) = delete;

    // True once the broker has confirmed every subscription, waited for up to a few seconds.
    bool WaitSubscribed();
    void Publish(const QString &topic, const QByteArray &payload, bool retain = false);
    std::vector<TReceivedMessage> Messages() const;
    std::vector<TReceivedMessage> MessagesOn(const QString &topic) const;
    std::vector<QByteArray> PayloadsOn(const QString &topic) const;

private:
    static void Connected(mosquitto *client, void *data, int code);
    static void Subscribed(mosquitto *client, void *data, int messageId, int count, const int *granted);
    static void Received(mosquitto *client, void *data, const mosquitto_message *message);

    QStringList Topics;
    mosquitto *Client;
    mutable std::mutex Mutex;
    std::vector<TReceivedMessage> Kept;
    int Subscriptions = 0;
};
