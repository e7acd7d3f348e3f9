// The readings and the availability as a consumer of the broker sees them: values, times and
// order, "online" and "offline" retained, and the last will when the publisher dies.

#include "tests/publish/PublisherTestSupport.h"

#include "tests/support/BuiltProgram.h"

#include <QCoreApplication>

namespace {

class PublishingTest : public PublisherTest {
protected:
    PublishingTest() { EXPECT_TRUE(Broker.Start()); }

    TLocalBroker Broker;
};

} // namespace

TEST_F(PublishingTest, ReadingsGoOutInOrderWithTheirValuesAndTimesBetweenARetainedOnlineAndOffline)
{
    TTestClient consumer(Broker.Port(), {"zeltar/meter/#"});
    ASSERT_TRUE(consumer.WaitSubscribed());
    TPublishOptions options = LocalOptions(Broker.Port());
    options.Discovery = false;
    TMqttPublisher &publisher = MakePublisher(options);
    // Readings taken before the broker was reached go out first.
    PublishReadings(0, 5);
    publisher.Start();
    ASSERT_TRUE(WaitForState(TBrokerState::Connected));
    PublishReadings(5, 40);
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/meter/reading", 40));

    // Each as ReadingJson writes it (its own test), in the order taken.
    const std::vector<QByteArray> readings = consumer.PayloadsOn("zeltar/meter/reading");
    EXPECT_EQ(ReceivedTimes(readings), SentTimes(0, 40));
    EXPECT_EQ(readings[4], ReadingJson(NumberedReading(4)));
    // Each leaves the queue once the broker has acknowledged it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return publisher.QueuedReadings() == 0; }, 5000));

    // A consumer that comes later finds "online" kept for it.
    {
        TTestClient late(Broker.Port(), {"zeltar/meter/availability"});
        ASSERT_TRUE(WaitForCount(late, "zeltar/meter/availability", 1));
        const TReceivedMessage online = late.MessagesOn("zeltar/meter/availability").front();
        EXPECT_EQ(online.Payload, "online");
        EXPECT_TRUE(online.Retained);
    }

    // More than go out at once are queued at the clean end: all go before "offline".
    PublishReadings(40, 140);
    publisher.Stop();
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/meter/availability", 2));
    EXPECT_EQ(consumer.PayloadsOn("zeltar/meter/reading").size(), 140u);
    EXPECT_EQ(consumer.PayloadsOn("zeltar/meter/availability"), (std::vector<QByteArray>{"online", "offline"}));
    TTestClient late(Broker.Port(), {"zeltar/meter/availability"});
    ASSERT_TRUE(WaitForCount(late, "zeltar/meter/availability", 1));
    EXPECT_EQ(late.PayloadsOn("zeltar/meter/availability").front(), "offline");
    // Nothing goes out once stopped, and nothing more is said about the broker.
    publisher.Publish(NumberedReading(140));
    EXPECT_EQ(publisher.QueuedReadings(), 0u);
    EXPECT_EQ(StateSequence(), std::vector<TBrokerState>{TBrokerState::Connected});
}

TEST_F(PublishingTest, APublisherThatDiesLeavesOfflineThroughItsLastWill)
{
    TTestClient consumer(Broker.Port(), {"zeltar/probe/availability"});
    ASSERT_TRUE(consumer.WaitSubscribed());
    TStartedProgram probe(QCoreApplication::applicationDirPath() + "/publish_will_probe",
                          {QString::number(Broker.Port()), "probe"});
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/probe/availability", 1));
    probe.Kill();
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/probe/availability", 2));
    EXPECT_EQ(consumer.PayloadsOn("zeltar/probe/availability"), (std::vector<QByteArray>{"online", "offline"}));
}
