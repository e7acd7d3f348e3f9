#pragma once
// Where and how the readings are published: the broker, the credentials, the topics and Home
// Assistant's discovery. The dialog, the recorder's command line and the options file fill it.

#include <QString>

#include <cstdint>
#include <optional>

inline constexpr std::uint16_t MqttPort = 1883, MqttTlsPort = 8883;

struct TPublishOptions {
    // Publishing is switched on: the program starts a publisher with these options.
    bool Enabled = false;
    QString Host;
    std::uint16_t Port = MqttPort;
    QString User;     // empty: no user name is sent
    QString Password; // only sent with a user name
    bool Tls = false;
    QString CaFile; // empty with TLS: the system's certificate authorities
    QString BaseTopic = QStringLiteral("zeltar");
    QString MeterId = QStringLiteral("meter");
    bool Discovery = true;
    QString DiscoveryPrefix = QStringLiteral("homeassistant");

    bool operator==(const TPublishOptions &) const = default;
};

// What is wrong with the options, in a sentence for the user; none when a publisher can use them.
std::optional<QString> PublishOptionsProblem(const TPublishOptions &options);

// "<base>/<id>/<leaf>": the meter's topics (reading, availability, alert).
QString MeterTopic(const TPublishOptions &options, const QString &leaf);
inline QString ReadingTopic(const TPublishOptions &options) { return MeterTopic(options, QStringLiteral("reading")); }
inline QString AvailabilityTopic(const TPublishOptions &options)
{
    return MeterTopic(options, QStringLiteral("availability"));
}
inline QString AlertTopic(const TPublishOptions &options) { return MeterTopic(options, QStringLiteral("alert")); }
// Where Home Assistant says it has (re)started: "<prefix>/status".
QString DiscoveryStatusTopic(const TPublishOptions &options);
