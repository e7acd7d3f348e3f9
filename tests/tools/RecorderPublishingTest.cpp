// The recorder with --mqtt against a mosquitto of the test's own on 127.0.0.1: each reading
// reaches a consumer with its value and time, in order, also across a broker that is killed
// and started again during the recording, and the broker's states are state lines.

#include "tests/tools/RecorderRig.h"

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
    EXPECT_EQ(QJsonDocument::fromJson(consumer.PayloadsOn(Readings).front()).object()["record"].toString(),
              QFileInfo(rig.Logs().value(0)).completeBaseName());

    rig.Recorder->SaveBeforeExit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !consumer.PayloadsOn(Availability).empty()
                                             && consumer.PayloadsOn(Availability).back() == "offline"; }, 5000));
}

TEST_F(RecorderPublishingTest, ABrokerKilledAndStartedAgainDuringTheRecordingGetsEveryReadingInOrder)
{
    TLocalBroker broker({"persistence true", "autosave_interval 1", "autosave_on_changes true"});
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {Readings}, false);
    ASSERT_TRUE(consumer.WaitSubscribed());
    TRecorderRig rig(App.Paths(), BrokerOptions(broker.Port()));
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    ASSERT_TRUE(WaitForLine(rig, "broker connected"));
    std::vector<std::pair<double, qint64>> sent;
    const auto measure = [&](int count) {
        for (int i = 0; i < count; ++i) {
            const double value = 0.25 * static_cast<double>(sent.size() + 1);
            sent.emplace_back(value, Measure(rig, value));
        }
    };
    measure(4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Arrived(consumer).size() >= 4; }, 5000));

    broker.Kill();
    ASSERT_TRUE(WaitForLine(rig, "broker lost"));
    measure(6);
    ASSERT_TRUE(broker.Start());
    measure(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Arrived(consumer).size() >= sent.size(); }, 15000))
        << Arrived(consumer).size() << " of " << sent.size();
    EXPECT_EQ(Arrived(consumer), sent);
    // Attempts while it was away may add that it could not be reached, once.
    const QStringList brokerLines = rig.StateLines.filter("broker");
    EXPECT_EQ(brokerLines.mid(0, 2), (QStringList{"broker connected", "broker lost"}));
    EXPECT_EQ(brokerLines.last(), "broker connected");
    EXPECT_LE(brokerLines.size(), 4) << brokerLines.join('\n').toStdString();
    rig.Recorder->SaveBeforeExit();
}

} // namespace
