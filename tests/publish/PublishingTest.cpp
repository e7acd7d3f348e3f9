// The readings and the availability as a consumer of the broker sees them: values, times and
// order, "online" and "offline" retained. The last will is the recorder's test, which kills it.

#include "tests/publish/PublisherTestSupport.h"

TEST_F(PublisherTest, ReadingsGoOutInOrderWithTheirValuesAndTimesBetweenARetainedOnlineAndOffline)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {"zeltar/meter/#"});
    ASSERT_TRUE(consumer.WaitSubscribed());
    TMqttPublisher &publisher = MakePublisher(LocalOptions(broker.Port()));
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
        TTestClient late(broker.Port(), {"zeltar/meter/availability"});
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
    TTestClient late(broker.Port(), {"zeltar/meter/availability"});
    ASSERT_TRUE(WaitForCount(late, "zeltar/meter/availability", 1));
    EXPECT_EQ(late.PayloadsOn("zeltar/meter/availability").front(), "offline");
    // Nothing goes out once stopped, and nothing more is said about the broker.
    publisher.Publish(NumberedReading(140));
    EXPECT_EQ(publisher.QueuedReadings(), 0u);
    EXPECT_EQ(StateSequence(), std::vector<TBrokerState>{TBrokerState::Connected});
}
