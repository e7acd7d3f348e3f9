// The readings waiting for the broker: kept until acknowledged, sent again after a new
// connection, oldest dropped beyond the limit; and the delays between attempts.

#include "publish/ReadingQueue.h"
#include "publish/ReconnectDelay.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::chrono_literals;

namespace {

TPublishedReading Reading(int i)
{
    TPublishedReading reading;
    reading.Value = static_cast<float>(i);
    return reading;
}

// The readings handed out until none is left, by their value.
std::vector<int> TakeAll(TReadingQueue &queue, std::vector<std::uint64_t> *sequences = nullptr)
{
    std::vector<int> values;
    while (const auto taken = queue.TakeNext()) {
        values.push_back(static_cast<int>(std::get<TPublishedReading>(taken->Message).Value));
        if (sequences)
            sequences->push_back(taken->Sequence);
    }
    return values;
}

} // namespace

TEST(ReadingQueueTest, AReadingStaysUntilAcknowledgedAndGoesOutAgainAfterANewConnection)
{
    TReadingQueue queue;
    for (int i = 0; i < 5; ++i)
        queue.Push(Reading(i));
    std::vector<std::uint64_t> sent;
    EXPECT_EQ(TakeAll(queue, &sent), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(queue.InFlight(), 5u);

    // An acknowledgement out of order keeps its reading until the older ones have gone.
    queue.Acknowledge(sent[1]);
    EXPECT_EQ(queue.Size(), 5u);
    queue.Acknowledge(sent[0]);
    EXPECT_EQ(queue.Size(), 3u);
    queue.Acknowledge(sent[3]);
    queue.Acknowledge(sent[3]);
    queue.Acknowledge(sent[0]);
    EXPECT_EQ(queue.InFlight(), 2u);
    EXPECT_EQ(queue.Size(), 3u);

    queue.Push(Reading(5));
    queue.Rewind();
    EXPECT_EQ(queue.InFlight(), 0u);
    // What the broker has is not sent again; the rest is, in order.
    sent.clear();
    EXPECT_EQ(TakeAll(queue, &sent), (std::vector<int>{2, 4, 5}));
    for (const std::uint64_t sequence : sent)
        queue.Acknowledge(sequence);
    EXPECT_EQ(queue.Size(), 0u);
    EXPECT_EQ(queue.InFlight(), 0u);
    EXPECT_EQ(queue.Dropped(), 0u);
}

TEST(ReadingQueueTest, BeyondTheLimitTheOldestReadingsAreDroppedAndCounted)
{
    TReadingQueue queue(3);
    for (int i = 0; i < 3; ++i)
        queue.Push(Reading(i));
    std::vector<std::uint64_t> sent;
    ASSERT_EQ(std::get<TPublishedReading>(queue.TakeNext()->Message).Value, 0.0f);
    for (int i = 3; i < 5; ++i)
        queue.Push(Reading(i));
    EXPECT_EQ(queue.Size(), 3u);
    EXPECT_EQ(queue.Dropped(), 2u);
    // The reading in flight was dropped with the oldest: its acknowledgement changes nothing.
    EXPECT_EQ(queue.InFlight(), 0u);
    queue.Acknowledge(0);
    EXPECT_EQ(queue.Size(), 3u);
    EXPECT_EQ(TakeAll(queue, &sent), (std::vector<int>{2, 3, 4}));

    queue.SetLimit(1);
    EXPECT_EQ(queue.Size(), 1u);
    EXPECT_EQ(queue.Dropped(), 4u);
    EXPECT_EQ(queue.InFlight(), 1u);
    queue.Acknowledge(sent.back());
    EXPECT_EQ(queue.Size(), 0u);
    EXPECT_EQ(queue.InFlight(), 0u);

    // No limit below one reading: the newest always waits.
    TReadingQueue tiny(0);
    tiny.Push(Reading(7));
    tiny.Push(Reading(8));
    EXPECT_EQ(TakeAll(tiny), std::vector<int>{8});
}

TEST(ReconnectDelayTest, TheDelayDoublesFromOneSecondUpToAMinuteAndStartsAgainAfterAConnection)
{
    TReconnectDelay delay;
    std::vector<std::chrono::milliseconds> delays;
    for (int i = 0; i < 9; ++i)
        delays.push_back(delay.Next());
    EXPECT_EQ(delays, (std::vector<std::chrono::milliseconds>{1s, 2s, 4s, 8s, 16s, 32s, 60s, 60s, 60s}));
    delay.Reset();
    EXPECT_EQ(delay.Next(), 1s);
}
