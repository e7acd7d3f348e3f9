#include "publish/DiscoveryConfig.h"

#include "model/ProgramVersion.h"
#include "model/Units.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

enum class TSensorUnit { Reading, Decibel, Megahertz, None };

struct TSensor {
    const char *Key;  // part of the topic and the unique id
    const char *Name; // shown after the device's name
    const char *Template;
    TSensorUnit Unit;
    const char *DeviceClass; // nullptr: none
};

const TSensor Sensors[] = {
    {"reading", "Reading", "{{ value_json.value }}", TSensorUnit::Reading, nullptr},
    {"level", "Level", "{{ value_json.level_db }}", TSensorUnit::Decibel, nullptr},
    // A reading without a peak frequency leaves the sensor unknown rather than failing.
    {"frequency", "Peak frequency", "{{ value_json.frequency_mhz | default('None') }}", TSensorUnit::Megahertz,
     "frequency"},
    {"risk", "Risk category", "{{ value_json.risk }}", TSensorUnit::None, nullptr},
};

// Home Assistant takes only letters, digits, '_' and '-' in a discovery topic's ids.
QString IdText(const QString &text)
{
    QString id = text;
    for (QChar &c : id)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return id;
}

// One device per base topic and meter: two meters on one broker are two devices.
QString NodeId(const TPublishOptions &options)
{
    return IdText(options.BaseTopic) + QLatin1Char('_') + IdText(options.MeterId);
}

QString ConfigTopic(const TPublishOptions &options, const TSensor &sensor)
{
    return options.DiscoveryPrefix + QStringLiteral("/sensor/") + NodeId(options) + QLatin1Char('/')
           + QLatin1String(sensor.Key) + QStringLiteral("/config");
}

QString UnitText(TSensorUnit sensorUnit, std::uint8_t unit)
{
    switch (sensorUnit) {
    case TSensorUnit::Reading:
        return UnitName(unit).value_or(QString());
    case TSensorUnit::Decibel:
        return QStringLiteral("dB");
    case TSensorUnit::Megahertz:
        return QStringLiteral("MHz");
    case TSensorUnit::None:
        break;
    }
    return {};
}

// What every configuration of the meter has: its name, ids, state, availability and device.
QJsonObject CommonConfig(const TPublishOptions &options, const char *key, const char *name, const QString &stateTopic,
                         const char *valueTemplate)
{
    const QJsonObject device{
        {QStringLiteral("identifiers"), QJsonArray{NodeId(options)}},
        {QStringLiteral("name"), options.MeterId},
        {QStringLiteral("model"), ProgramName},
        {QStringLiteral("sw_version"), ProgramVersion},
    };
    return {
        {QStringLiteral("name"), QLatin1String(name)},
        {QStringLiteral("unique_id"), NodeId(options) + QLatin1Char('_') + QLatin1String(key)},
        {QStringLiteral("state_topic"), stateTopic},
        {QStringLiteral("value_template"), QLatin1String(valueTemplate)},
        {QStringLiteral("availability_topic"), AvailabilityTopic(options)},
        {QStringLiteral("payload_available"), QStringLiteral("online")},
        {QStringLiteral("payload_not_available"), QStringLiteral("offline")},
        {QStringLiteral("device"), device},
    };
}

// The alert's state is the "state" of the alert topic's JSON.
QString AlertConfigTopic(const TPublishOptions &options)
{
    return options.DiscoveryPrefix + QStringLiteral("/binary_sensor/") + NodeId(options)
           + QStringLiteral("/alert/config");
}

QByteArray AlertConfigPayload(const TPublishOptions &options)
{
    QJsonObject config = CommonConfig(options, "alert", "Alert", AlertTopic(options), "{{ value_json.state }}");
    config.insert(QStringLiteral("payload_on"), QStringLiteral("on"));
    config.insert(QStringLiteral("payload_off"), QStringLiteral("off"));
    // On means unsafe: the readings have reached the limit.
    config.insert(QStringLiteral("device_class"), QStringLiteral("safety"));
    return QJsonDocument(config).toJson(QJsonDocument::Compact);
}

QByteArray ConfigPayload(const TPublishOptions &options, const TSensor &sensor, std::uint8_t unit)
{
    QJsonObject config = CommonConfig(options, sensor.Key, sensor.Name, ReadingTopic(options), sensor.Template);
    // Only numbers have a unit and are kept as statistics; the risk category is a text.
    if (sensor.Unit != TSensorUnit::None) {
        config.insert(QStringLiteral("unit_of_measurement"), UnitText(sensor.Unit, unit));
        config.insert(QStringLiteral("state_class"), QStringLiteral("measurement"));
    }
    if (sensor.DeviceClass)
        config.insert(QStringLiteral("device_class"), QLatin1String(sensor.DeviceClass));
    return QJsonDocument(config).toJson(QJsonDocument::Compact);
}

} // namespace

std::vector<TDiscoveryMessage> DiscoveryConfigs(const TPublishOptions &options, std::uint8_t unit)
{
    std::vector<TDiscoveryMessage> messages;
    for (const TSensor &sensor : Sensors)
        messages.push_back({ConfigTopic(options, sensor), ConfigPayload(options, sensor, unit)});
    messages.push_back({AlertConfigTopic(options), AlertConfigPayload(options)});
    return messages;
}

std::vector<TDiscoveryMessage> DiscoveryRemovals(const TPublishOptions &options)
{
    std::vector<TDiscoveryMessage> messages;
    for (const TSensor &sensor : Sensors)
        messages.push_back({ConfigTopic(options, sensor), {}});
    messages.push_back({AlertConfigTopic(options), {}});
    return messages;
}
