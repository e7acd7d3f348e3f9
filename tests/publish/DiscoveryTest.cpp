// Home Assistant's discovery: the configurations it needs (the alert's binary sensor among them),
// sent before the readings, again when it comes online and with a new unit, and removed when
// discovery is turned off.

#include "publish/DiscoveryConfig.h"

#include "model/ProgramVersion.h"
#include "model/Units.h"
#include "publish/AlertMessage.h"
#include "tests/publish/PublisherTestSupport.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <set>

namespace {

const QStringList SensorConfigTopics{
    "homeassistant/sensor/zeltar_meter/reading/config",
    "homeassistant/sensor/zeltar_meter/level/config",
    "homeassistant/sensor/zeltar_meter/frequency/config",
    "homeassistant/sensor/zeltar_meter/risk/config",
};

const QString AlertConfigTopic = "homeassistant/binary_sensor/zeltar_meter/alert/config";

QStringList TopicsOf(const std::vector<TDiscoveryMessage> &messages)
{
    QStringList topics;
    for (const TDiscoveryMessage &message : messages)
        topics << message.Topic;
    return topics;
}

} // namespace

TEST(DiscoveryConfigTest, FourSensorsOfOneDeviceReadTheirValuesFromTheReadingTopic)
{
    TPublishOptions options;
    options.Host = "broker";
    options.MeterId = "Living room";
    std::vector<TDiscoveryMessage> configs = DiscoveryConfigs(options, UnitVm);
    ASSERT_EQ(configs.size(), 5u);
    const TDiscoveryMessage alert = configs.back();
    configs.pop_back();
    // Home Assistant takes only letters, digits, '_' and '-' in the topic's ids.
    EXPECT_EQ(configs[0].Topic, "homeassistant/sensor/zeltar_Living_room/reading/config");

    // Every key a template reads is in a published reading.
    const QJsonObject reading = QJsonDocument::fromJson(ReadingJson(MakePublishedReading(
                                                            QDateTime::currentDateTime(), UnitVm, 1.0f, 900, TPopulation::General, TTargetState::Wake)))
                                    .object();
    static const QRegularExpression templateKey(QStringLiteral("value_json\\.(\\w+)"));
    std::set<QString> uniqueIds;
    std::map<QString, QString> units;
    for (const TDiscoveryMessage &config : configs) {
        QJsonParseError error{};
        const QJsonObject json = QJsonDocument::fromJson(config.Payload, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << config.Payload.toStdString();
        for (const char *key : {"name", "unique_id", "state_topic", "availability_topic", "value_template", "device"})
            EXPECT_TRUE(json.contains(key)) << key << " in " << config.Payload.toStdString();
        EXPECT_EQ(json["state_topic"].toString(), "zeltar/Living room/reading");
        EXPECT_EQ(json["availability_topic"].toString(), "zeltar/Living room/availability");
        const QJsonObject device = json["device"].toObject();
        EXPECT_EQ(device["identifiers"].toArray(), QJsonArray{"zeltar_Living_room"});
        EXPECT_EQ(device["name"].toString(), "Living room");
        EXPECT_EQ(device["model"].toString(), ProgramName);
        EXPECT_EQ(device["sw_version"].toString(), ProgramVersion);
        const QRegularExpressionMatch key = templateKey.match(json["value_template"].toString());
        ASSERT_TRUE(key.hasMatch());
        EXPECT_TRUE(reading.contains(key.captured(1))) << key.captured(1).toStdString();
        uniqueIds.insert(json["unique_id"].toString());
        units[json["name"].toString()] = json["unit_of_measurement"].toString("none");
        EXPECT_EQ(json["state_class"].toString("none"), json.contains("unit_of_measurement") ? "measurement" : "none");
    }
    EXPECT_EQ(uniqueIds.size(), 4u);
    EXPECT_EQ(units, (std::map<QString, QString>{
                         {"Reading", "V/m"}, {"Level", "dB"}, {"Peak frequency", "MHz"}, {"Risk category", "none"}}));
    EXPECT_EQ(QJsonDocument::fromJson(DiscoveryConfigs(options, UnitMWm2)[0].Payload)["unit_of_measurement"].toString(),
              QStringLiteral("mW/m²"));

    // The alert's binary sensor: on and off as the alert topic's "state" says, of the same device.
    EXPECT_EQ(alert.Topic, "homeassistant/binary_sensor/zeltar_Living_room/alert/config");
    const QJsonObject alertJson = QJsonDocument::fromJson(alert.Payload).object();
    EXPECT_EQ(alertJson["state_topic"].toString(), "zeltar/Living room/alert");
    EXPECT_EQ(alertJson["availability_topic"].toString(), "zeltar/Living room/availability");
    EXPECT_EQ(alertJson["device"].toObject()["identifiers"].toArray(), QJsonArray{"zeltar_Living_room"});
    EXPECT_EQ(alertJson["device_class"].toString(), "safety");
    EXPECT_FALSE(uniqueIds.contains(alertJson["unique_id"].toString()));
    EXPECT_FALSE(alertJson.contains("unit_of_measurement"));
    EXPECT_EQ(alertJson["value_template"].toString(), "{{ value_json.state }}");
    for (const bool on : {true, false}) {
        TAlertMessage message;
        message.On = on;
        message.Time = QDateTime::currentDateTime();
        const QString state = QJsonDocument::fromJson(AlertJson(message))["state"].toString();
        EXPECT_EQ(state, alertJson[on ? "payload_on" : "payload_off"].toString());
    }

    configs.push_back(alert);
    const std::vector<TDiscoveryMessage> removals = DiscoveryRemovals(options);
    EXPECT_EQ(TopicsOf(removals), TopicsOf(configs));
    for (const TDiscoveryMessage &removal : removals)
        EXPECT_TRUE(removal.Payload.isEmpty());
}

namespace {

class DiscoveryTest : public PublisherTest {
protected:
    DiscoveryTest() { EXPECT_TRUE(Broker.Start()); }

    // The units of the reading sensor's configurations so far, and where the readings came.
    std::vector<QString> Sequence(const TTestClient &client) const
    {
        std::vector<QString> sequence;
        for (const TReceivedMessage &message : client.Messages()) {
            if (message.Topic == SensorConfigTopics[0])
                sequence.push_back(QJsonDocument::fromJson(message.Payload)["unit_of_measurement"].toString());
            else if (message.Topic == "zeltar/meter/reading")
                sequence.push_back("reading");
        }
        return sequence;
    }

    TLocalBroker Broker;
};

} // namespace

TEST_F(DiscoveryTest, TheConfigurationsComeBeforeTheReadingsAgainWhenHomeAssistantStartsAndWithANewUnit)
{
    TTestClient homeAssistant(Broker.Port(),
                              {"homeassistant/sensor/#", "homeassistant/binary_sensor/#", "zeltar/meter/reading"});
    ASSERT_TRUE(homeAssistant.WaitSubscribed());
    TMqttPublisher &publisher = MakePublisher(LocalOptions(Broker.Port()));
    publisher.Start();
    publisher.Publish(NumberedReading(0, UnitMWm2));
    ASSERT_TRUE(WaitForCount(homeAssistant, "zeltar/meter/reading", 1));
    for (const QString &topic : SensorConfigTopics + QStringList{AlertConfigTopic}) {
        const std::vector<TReceivedMessage> configs = homeAssistant.MessagesOn(topic);
        ASSERT_EQ(configs.size(), 1u) << topic.toStdString();
        EXPECT_FALSE(configs[0].Payload.isEmpty());
    }

    homeAssistant.Publish("homeassistant/status", "online");
    ASSERT_TRUE(WaitForCount(homeAssistant, SensorConfigTopics[0], 2));
    publisher.Publish(NumberedReading(1, UnitMWm2));
    publisher.Publish(NumberedReading(2, UnitVm));
    ASSERT_TRUE(WaitForCount(homeAssistant, "zeltar/meter/reading", 3));
    const QString density = QStringLiteral("mW/m²");
    EXPECT_EQ(Sequence(homeAssistant), (std::vector<QString>{density, "reading", density, "reading", "V/m", "reading"}));
    // Another client's "offline" or anything else on the status topic asks for nothing.
    homeAssistant.Publish("homeassistant/status", "offline");
    publisher.Publish(NumberedReading(3, UnitVm));
    ASSERT_TRUE(WaitForCount(homeAssistant, "zeltar/meter/reading", 4));
    EXPECT_EQ(homeAssistant.MessagesOn(SensorConfigTopics[0]).size(), 3u);
    publisher.Stop();

    // A late subscriber finds the configurations kept; with discovery turned off they go.
    {
        TTestClient late(Broker.Port(), {"homeassistant/sensor/#"});
        ASSERT_TRUE(WaitForCount(late, SensorConfigTopics[3], 1));
        EXPECT_TRUE(late.MessagesOn(SensorConfigTopics[3]).front().Retained);
    }
    TPublishOptions off = LocalOptions(Broker.Port());
    off.Discovery = false;
    MakePublisher(off).Start();
    for (const QString &topic : SensorConfigTopics + QStringList{AlertConfigTopic}) {
        ASSERT_TRUE(WaitForCount(homeAssistant, topic, topic == SensorConfigTopics[0] ? 4 : 2)) << topic.toStdString();
        EXPECT_TRUE(homeAssistant.MessagesOn(topic).back().Payload.isEmpty());
    }
}
