// The session's samples as a consumer of the broker gets them: what the live display shows of
// each, the risk of the chosen population and state, the record's name while recording, the
// alert's state while alerts are on, and no reading lost while the broker is away during a
// recording longer than the memory holds.

#include "tests/publish/PublisherTestSupport.h"

#include "model/Units.h"
#include "publish/SessionPublisher.h"
#include "session/AcquisitionSession.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempAppDir.h"

#include <QFileInfo>

namespace {

const QString Readings = QStringLiteral("zeltar/meter/reading");

class SessionPublishingTest : public ::testing::Test {
protected:
    TSessionPublisher &MakePublisher(std::uint16_t port)
    {
        Publisher = std::make_unique<TSessionPublisher>(Session, LocalOptions(port), TReconnectDelays{50ms, 200ms});
        QObject::connect(Publisher.get(), &TSessionPublisher::StatusChanged,
                         [this](TBrokerState state, const QString &) { States.push_back(state); });
        return *Publisher;
    }
    bool WaitForState(TBrokerState state)
    {
        return QTest::qWaitFor([&] { return !States.empty() && States.back() == state; }, 5000);
    }
    // One sample a half second after the last, as the meter sends them.
    void Feed(float value, int frequency = 0)
    {
        Services.Now = Services.Now.addMSecs(500);
        Session.ProcessSample(frequency, value);
    }

    TempAppDir App;
    TFakeServices Services;
    TAcquisitionSession Session{App.Paths().LogDir};
    std::unique_ptr<TSessionPublisher> Publisher;
    std::vector<TBrokerState> States;
};

} // namespace

TEST_F(SessionPublishingTest, EachSampleIsPublishedWithTheLiveValueTheChosenRiskAndTheRecordsNameWhileRecording)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {Readings});
    ASSERT_TRUE(consumer.WaitSubscribed());
    TSessionPublisher &publisher = MakePublisher(broker.Port());
    publisher.Start();

    // 3 dB of correction: the reading published is the corrected one the display shows.
    Session.StartListening({UnitMWm2, 0.5, 3, 60});
    Feed(0.5f, 900);
    const double corrected = Session.CurrentValue();
    publisher.SetRiskChoice(TPopulation::Sensitive, TTargetState::Sleep);
    Feed(0.5f);
    Session.StartRecording({UnitMWm2, 0.5, 0, 60});
    const QString recordName = QFileInfo(Session.CurrentLogFile()).completeBaseName();
    Feed(1.0f, 2400);
    Session.Stop();
    Session.StartListening({UnitVm, 0.5, 0, 60});
    Feed(2.0f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return consumer.PayloadsOn(Readings).size() >= 4; }, 5000));

    const std::vector<QByteArray> payloads = consumer.PayloadsOn(Readings);
    ASSERT_EQ(payloads.size(), 4u);
    const QJsonObject listened = JsonOf(payloads[0]), chosen = JsonOf(payloads[1]), recorded = JsonOf(payloads[2]),
                      again = JsonOf(payloads[3]);
    EXPECT_NEAR(listened["value"].toDouble(), corrected, 1e-6);
    EXPECT_NE(corrected, 0.5);
    EXPECT_EQ(listened["frequency_mhz"].toInt(), 900);
    EXPECT_FALSE(chosen.contains("frequency_mhz"));
    // 1 mW/m² is 30 dB: "Moderate" awake in general, "Very high" asleep for the sensitive.
    EXPECT_EQ(listened["risk"].toString(), "Moderate");
    EXPECT_EQ(recorded["risk"].toString(), "Very high");
    EXPECT_EQ(recorded["record"].toString(), recordName);
    EXPECT_FALSE(recordName.isEmpty());
    EXPECT_FALSE(listened.contains("record"));
    EXPECT_FALSE(again.contains("record"));
    EXPECT_EQ(again["unit"].toString(), "V/m");
    EXPECT_EQ(QDateTime::fromString(again["time"].toString(), Qt::ISODateWithMs), Services.Now);
}

TEST_F(SessionPublishingTest, ARecordingLongerThanTheQueueWhileTheBrokerIsAwayArrivesWholeInOrderWithItsOwnTimes)
{
    TLocalBroker broker({"persistence true", "autosave_interval 1", "autosave_on_changes true"});
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {Readings}, false);
    ASSERT_TRUE(consumer.WaitSubscribed());
    TSessionPublisher &publisher = MakePublisher(broker.Port());
    publisher.SetQueueLimit(8);
    publisher.Start();
    ASSERT_TRUE(WaitForState(TBrokerState::Connected));

    // The clock stands where the record puts each sample: its start plus the intervals.
    Session.StartRecording({UnitMWm2, 0.5, 0, 60});
    Services.Now = Services.Now.addMSecs(-500);
    std::vector<qint64> times;
    const auto feed = [&](int count) {
        for (int i = 0; i < count; ++i) {
            Feed(0.01f * static_cast<float>(times.size() + 1), 1000 + static_cast<int>(times.size()));
            times.push_back(Services.Now.toMSecsSinceEpoch());
        }
    };
    feed(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return consumer.PayloadsOn(Readings).size() >= 5; }, 5000));

    broker.Stop();
    ASSERT_TRUE(WaitForState(TBrokerState::Lost));
    // Six times what the memory holds, most of it only in the log; the recording ends while
    // the broker is away, and the readings that follow it wait behind the record's.
    feed(48);
    EXPECT_TRUE(publisher.ReadingsWaitAside());
    EXPECT_EQ(publisher.QueuedReadings(), 8u);
    Session.Stop();
    Session.StartListening({UnitMWm2, 0.5, 0, 60});
    feed(3);
    ASSERT_TRUE(broker.Start());
    ASSERT_TRUE(WaitForState(TBrokerState::Connected));
    // Recording again once the broker is back, the readings go out as they come.
    Session.StartRecording({UnitMWm2, 0.5, 0, 60});
    feed(4);

    const auto arrived = [&] { return FirstArrivals(ReceivedTimes(consumer.PayloadsOn(Readings))); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return arrived().size() >= times.size(); }, 10000)) << arrived().size();
    EXPECT_EQ(arrived(), times);
    EXPECT_FALSE(publisher.ReadingsWaitAside());
    // Read back from the log, a reading keeps its value and frequency.
    for (const QByteArray &payload : consumer.PayloadsOn(Readings)) {
        const QJsonObject json = JsonOf(payload);
        const qint64 time = QDateTime::fromString(json["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch();
        const auto index = std::find(times.begin(), times.end(), time) - times.begin();
        EXPECT_NEAR(json["value"].toDouble(), 0.01 * static_cast<double>(index + 1), 1e-6) << index;
        EXPECT_EQ(json["frequency_mhz"].toInt(), 1000 + index) << index;
    }
}

TEST_F(SessionPublishingTest, WhileTheAlertsAreOnTheReadingsSayItsStateAndItsStartAndEndComeInOrderWithThem)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    const QString alerts = QStringLiteral("zeltar/meter/alert");
    TTestClient consumer(broker.Port(), {Readings, alerts});
    ASSERT_TRUE(consumer.WaitSubscribed());
    MakePublisher(broker.Port()).Start();
    Session.StartListening({UnitVm, 0.5, 0, 60});
    Session.Alert.SetLimit({.Category = std::nullopt, .Level = 1.0, .HoldSeconds = 10});
    Feed(2.0f);
    Session.Alert.SetOn(true);
    Feed(0.5f);
    Feed(2.0f);
    Feed(3.0f);
    // Switched off during an alert: it is over, and the readings say nothing of it any more.
    Session.Alert.SetOn(false);
    Feed(2.0f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return consumer.PayloadsOn(Readings).size() >= 5; }, 5000));

    QStringList sequence;
    for (const TReceivedMessage &message : consumer.Messages()) {
        const QJsonObject json = JsonOf(message.Payload);
        if (message.Topic == alerts)
            sequence << json["state"].toString() + ' ' + QString::number(json["peak"].toDouble());
        else
            sequence << (json.contains("alert") ? json["alert"].toBool() ? "true" : "false" : "none");
    }
    EXPECT_EQ(sequence, (QStringList{"none", "false", "on 2", "true", "true", "off 3", "none"}));
}
