// The recorder with --mqtt against a mosquitto of the test's own on 127.0.0.1: each reading
// reaches a consumer with its value and time, in order, and the broker's state is a state line.
// With --alert, its starts and ends are kept on the alert topic. What the publisher does while
// the broker is away is the publisher's and the session publisher's tests.

#include "tests/tools/RecorderRig.h"

#include "model/Units.h"
#include "publish/BrokerUrl.h"
#include "tests/publish/LocalBroker.h"
#include "tests/publish/TestClient.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempAppDir.h"
#include "tools/meter-sim/MeterLines.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Readings = QStringLiteral("zeltar/meter/reading");
const QString Availability = QStringLiteral("zeltar/meter/availability");
const QString Alerts = QStringLiteral("zeltar/meter/alert");

class RecorderPublishingTest : public ::testing::Test {
protected:
    TRecorderOptions BrokerOptions(std::uint16_t port)
    {
        TRecorderOptions options;
        options.Publish = TPublishOptions();
        options.Publish->Enabled = true;
        options.Publish->Discovery = false;
        ApplyBrokerUrl(QStringLiteral("mqtt://127.0.0.1:%1").arg(port), *options.Publish);
        return options;
    }
    // One line half a second after the last, as the meter sends them; returns its time.
    qint64 Measure(TRecorderRig &rig, double value)
    {
        Services.Now = Services.Now.addMSecs(500);
        rig.Send({MeasurementLine(value, 0, false)});
        return Services.Now.toMSecsSinceEpoch();
    }
    static bool WaitForLine(const TRecorderRig &rig, const QString &line)
    {
        return QTest::qWaitFor([&] { return rig.StateLines.contains(line); }, 8000);
    }
    // Value and time of each reading the consumer got, without the repeats QoS 1 allows.
    static std::vector<std::pair<double, qint64>> Arrived(const TTestClient &consumer)
    {
        std::vector<std::pair<double, qint64>> arrived;
        for (const QByteArray &payload : consumer.PayloadsOn(Readings)) {
            const QJsonObject json = QJsonDocument::fromJson(payload).object();
            const QDateTime time = QDateTime::fromString(json["time"].toString(), Qt::ISODateWithMs);
            const std::pair reading(json["value"].toDouble(), time.toMSecsSinceEpoch());
            if (std::find(arrived.begin(), arrived.end(), reading) == arrived.end())
                arrived.push_back(reading);
        }
        return arrived;
    }

    TempAppDir App;
    TFakeServices Services;
};

TEST_F(RecorderPublishingTest, EachReadingReachesTheBrokerInOrderAndTheEndSaysOffline)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {Readings, Availability});
    ASSERT_TRUE(consumer.WaitSubscribed());
    TRecorderRig rig(App.Paths(), BrokerOptions(broker.Port()));
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    ASSERT_TRUE(WaitForLine(rig, "broker connected"));
    std::vector<std::pair<double, qint64>> sent;
    for (double value : {0.5, 1.25, 0.75})
        sent.emplace_back(value, Measure(rig, value));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Arrived(consumer).size() >= sent.size(); }, 5000));
    EXPECT_EQ(Arrived(consumer), sent);
    const QJsonObject first = QJsonDocument::fromJson(consumer.PayloadsOn(Readings).front()).object();
    EXPECT_EQ(first["record"].toString(), QFileInfo(rig.Logs().value(0)).completeBaseName());
    // Without --alert nobody judges the readings: they say nothing of an alert.
    EXPECT_FALSE(first.contains("alert"));

    rig.Recorder->SaveBeforeExit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !consumer.PayloadsOn(Availability).empty()
                                             && consumer.PayloadsOn(Availability).back() == "offline"; }, 5000));
}

TEST_F(RecorderPublishingTest, TheAlertsStartAndEndAreKeptOnItsTopicAndEachReadingSaysWhetherItIsOn)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    const QString alertConfig = QStringLiteral("homeassistant/binary_sensor/zeltar_meter/alert/config");
    TTestClient consumer(broker.Port(), {Readings, Alerts, alertConfig});
    ASSERT_TRUE(consumer.WaitSubscribed());
    TRecorderOptions options = BrokerOptions(broker.Port());
    options.Publish->Discovery = true;
    options.Unit = UnitVm;
    options.Alert = TAlertLimit{.Category = std::nullopt, .Level = 1.0, .HoldSeconds = 0.75};
    TRecorderRig rig(App.Paths(), options);
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    ASSERT_TRUE(WaitForLine(rig, "broker connected"));
    // At or above 1 from the second reading; the third below it comes after the hold.
    const std::vector<double> values{0.5, 1.5, 2.0, 0.5, 0.75, 0.5, 0.25};
    std::vector<qint64> times;
    for (const double value : values)
        times.push_back(Measure(rig, value));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Arrived(consumer).size() >= values.size(); }, 5000));
    // Each reading says whether the alert is on; which ones is the session publisher's test.
    for (const QByteArray &payload : consumer.PayloadsOn(Readings))
        EXPECT_TRUE(QJsonDocument::fromJson(payload)["alert"].isBool()) << payload.toStdString();

    // The start says the reading that reached the limit, the end the highest of the alert.
    std::vector<QByteArray> alerts = consumer.PayloadsOn(Alerts);
    alerts.erase(std::unique(alerts.begin(), alerts.end()), alerts.end());
    ASSERT_EQ(alerts.size(), 2u);
    const QJsonObject start = QJsonDocument::fromJson(alerts[0]).object();
    const QJsonObject end = QJsonDocument::fromJson(alerts[1]).object();
    EXPECT_EQ(start["state"].toString(), "on");
    EXPECT_EQ(start["peak"].toDouble(), 1.5);
    EXPECT_EQ(QDateTime::fromString(start["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch(), times[1]);
    EXPECT_EQ(end["state"].toString(), "off");
    EXPECT_EQ(end["peak"].toDouble(), 2.0);
    EXPECT_EQ(QDateTime::fromString(end["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch(), times[5]);
    for (const QJsonObject &json : {start, end}) {
        EXPECT_EQ(json["limit"].toDouble(), 1.0);
        EXPECT_EQ(json["unit"].toString(), "V/m");
    }
    EXPECT_EQ(rig.StateLines.filter("alert"),
              (QStringList{"alert: the readings have reached 1 V/m (peak 1.5000 V/m)", "alert over (peak 2.0000 V/m)"}));

    // Home Assistant's binary sensor reads the alert topic.
    ASSERT_FALSE(consumer.PayloadsOn(alertConfig).empty());
    EXPECT_EQ(QJsonDocument::fromJson(consumer.PayloadsOn(alertConfig).back())["state_topic"].toString(), Alerts);

    // Whoever comes later learns that the alert is over.
    TTestClient late(broker.Port(), {Alerts});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !late.MessagesOn(Alerts).empty(); }, 5000));
    EXPECT_TRUE(late.MessagesOn(Alerts).back().Retained);
    EXPECT_EQ(late.MessagesOn(Alerts).back().Payload, alerts[1]);

    // An alert still on when the recorder ends is over before the broker hears "offline".
    Measure(rig, 3.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.StateLines.filter("alert:").size() == 2; }, 5000));
    rig.Recorder->SaveBeforeExit();
    const auto lastAlert = [&] { return QJsonDocument::fromJson(late.MessagesOn(Alerts).back().Payload).object(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return lastAlert()["state"] == "off" && lastAlert()["peak"] == 3.0; }, 5000));
    EXPECT_EQ(rig.StateLines.filter("alert").last(), "alert over (peak 3.0000 V/m)");
}

} // namespace
