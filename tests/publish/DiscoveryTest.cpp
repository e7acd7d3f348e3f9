// Home Assistant's discovery: the configurations it needs (the alert's binary sensor among them),
// sent before the readings, again when it comes online and with a new unit, and removed by an
// empty retained configuration when discovery is turned off.

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

TEST(DiscoveryConfigTest, FourSensorsAndTheAlertOfOneDeviceReadTheirStatesFromTheirTopics)
{
    TPublishOptions options;
    options.Host = "127.0.0.1";
    options.MeterId = "Living room";
    const std::vector<TDiscoveryMessage> configs = DiscoveryConfigs(options, UnitVm);
    // Home Assistant takes only letters, digits, '_' and '-' in the topic's ids.
    QStringList expectedTopics;
    for (const QString &topic : SensorConfigTopics + QStringList{AlertConfigTopic})
        expectedTopics << QString(topic).replace("zeltar_meter", "zeltar_Living_room");
    ASSERT_EQ(TopicsOf(configs), expectedTopics);

    // Every key a template reads is in a published reading or alert.
    const QJsonObject reading = JsonOf(ReadingJson(
        MakePublishedReading(QDateTime::currentDateTime(), UnitVm, 1.0f, 900, TPopulation::General, TTargetState::Wake)));
    const auto alertState = [](bool on) {
        TAlertMessage message;
        message.On = on;
        message.Time = QDateTime::currentDateTime();
        return JsonOf(AlertJson(message));
    };
    static const QRegularExpression templateKey(QStringLiteral("value_json\\.(\\w+)"));
    std::set<QString> uniqueIds;
    std::map<QString, QString> units;
    for (const TDiscoveryMessage &config : configs) {
        const bool isAlert = config.Topic == expectedTopics.back();
        QJsonParseError error{};
        const QJsonObject json = QJsonDocument::fromJson(config.Payload, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << config.Payload.toStdString();
        for (const char *key : {"name", "unique_id", "state_topic", "availability_topic", "value_template", "device"})
            EXPECT_TRUE(json.contains(key)) << key << " in " << config.Payload.toStdString();
        EXPECT_EQ(json["state_topic"].toString(), isAlert ? "zeltar/Living room/alert" : "zeltar/Living room/reading");
        EXPECT_EQ(json["availability_topic"].toString(), "zeltar/Living room/availability");
        const QJsonObject device = json["device"].toObject();
        EXPECT_EQ(device["identifiers"].toArray(), QJsonArray{"zeltar_Living_room"});
        EXPECT_EQ(device["name"].toString(), "Living room");
        EXPECT_EQ(device["sw_version"].toString(), ProgramVersion);
        const QRegularExpressionMatch key = templateKey.match(json["value_template"].toString());
        ASSERT_TRUE(key.hasMatch());
        EXPECT_TRUE((isAlert ? alertState(true) : reading).contains(key.captured(1))) << key.captured(1).toStdString();
        uniqueIds.insert(json["unique_id"].toString());
        units[json["name"].toString()] = json["unit_of_measurement"].toString("none");
        EXPECT_EQ(json["state_class"].toString("none"), json.contains("unit_of_measurement") ? "measurement" : "none");
    }
    EXPECT_EQ(uniqueIds.size(), 5u);
    EXPECT_EQ(units, (std::map<QString, QString>{{"Reading", "V/m"}, {"Level", "dB"}, {"Peak frequency", "MHz"},
                                                 {"Risk category", "none"}, {"Alert", "none"}}));
    EXPECT_EQ(JsonOf(DiscoveryConfigs(options, UnitMWm2)[0].Payload)["unit_of_measurement"].toString(),
              QStringLiteral("mW/m²"));

    // The alert's binary sensor is on and off as the alert topic's "state" says.
    const QJsonObject alert = JsonOf(configs.back().Payload);
    EXPECT_EQ(alert["device_class"].toString(), "safety");
    for (const bool on : {true, false})
        EXPECT_EQ(alertState(on)["state"].toString(), alert[on ? "payload_on" : "payload_off"].toString());
}

TEST_F(PublisherTest, DiscoveryConfigurationsComeBeforeTheReadingsAgainWhenHomeAssistantStartsAndWithANewUnit)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    // The units of the reading sensor's configurations so far, and where the readings came.
    const auto sequence = [](const TTestClient &client) {
        std::vector<QString> units;
        for (const TReceivedMessage &message : client.Messages()) {
            if (message.Topic == SensorConfigTopics[0])
                units.push_back(JsonOf(message.Payload)["unit_of_measurement"].toString());
            else if (message.Topic == "zeltar/meter/reading")
                units.push_back("reading");
        }
        return units;
    };
    TTestClient homeAssistant(broker.Port(),
                              {"homeassistant/sensor/#", "homeassistant/binary_sensor/#", "zeltar/meter/reading"});
    ASSERT_TRUE(homeAssistant.WaitSubscribed());
    TMqttPublisher &publisher = MakePublisher(LocalOptions(broker.Port(), true));
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
    EXPECT_EQ(sequence(homeAssistant), (std::vector<QString>{density, "reading", density, "reading", "V/m", "reading"}));
    // Another client's "offline" or anything else on the status topic asks for nothing.
    homeAssistant.Publish("homeassistant/status", "offline");
    publisher.Publish(NumberedReading(3, UnitVm));
    ASSERT_TRUE(WaitForCount(homeAssistant, "zeltar/meter/reading", 4));
    EXPECT_EQ(homeAssistant.MessagesOn(SensorConfigTopics[0]).size(), 3u);
    publisher.Stop();

    // A late subscriber finds the configurations kept; with discovery turned off they go.
    {
        TTestClient late(broker.Port(), {"homeassistant/sensor/#"});
        ASSERT_TRUE(WaitForCount(late, SensorConfigTopics[3], 1));
        EXPECT_TRUE(late.MessagesOn(SensorConfigTopics[3]).front().Retained);
    }
    MakePublisher(LocalOptions(broker.Port())).Start();
    for (const QString &topic : SensorConfigTopics + QStringList{AlertConfigTopic}) {
        ASSERT_TRUE(WaitForCount(homeAssistant, topic, topic == SensorConfigTopics[0] ? 4 : 2)) << topic.toStdString();
        EXPECT_TRUE(homeAssistant.MessagesOn(topic).back().Payload.isEmpty());
    }
}
