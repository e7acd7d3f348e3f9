#include "model/UnitCircBuffer_COMMON.h"
#include "model/UnwrittenSamples.h"

#include <gtest/gtest.h>

namespace {

std::vector<float> Values(const TCircBuffer &buffer)
{
    std::vector<TSampleRecord> records(3); // GetAll replaces, never appends
    buffer.GetAll(records);
    std::vector<float> values;
    for (const TSampleRecord &record : records)
        values.push_back(record.Value);
    return values;
}

void Push(TCircBuffer &buffer, int from, int to)
{
    for (int value = from; value <= to; ++value)
        buffer.Push(TSampleRecord{static_cast<float>(value)});
}

} // namespace

TEST(CircBuffer, KeepsTheLastCapacityRecordsOldestFirst)
{
    TCircBuffer buffer(5), single(1), withoutStorage(0);
    Push(buffer, 1, 3);
    EXPECT_EQ(Values(buffer), (std::vector<float>{1, 2, 3}));
    Push(buffer, 4, 7);
    EXPECT_EQ(Values(buffer), (std::vector<float>{3, 4, 5, 6, 7}));
    EXPECT_EQ(buffer.Count(), 7u);
    buffer.Clear();
    Push(buffer, 8, 9);
    EXPECT_EQ(Values(buffer), (std::vector<float>{8, 9}));
    Push(single, 1, 4);
    EXPECT_EQ(Values(single), (std::vector<float>{4}));
    Push(withoutStorage, 1, 3);
    EXPECT_TRUE(Values(withoutStorage).empty());

    EXPECT_EQ(WriteBufferCapacityFor(0.59), 10);
    EXPECT_EQ(WriteBufferCapacityFor(0.6), 5);
    EXPECT_EQ(WriteBufferCapacityFor(1.99), 5);
    EXPECT_EQ(WriteBufferCapacityFor(2.0), 1);
}

TEST(UnwrittenSamples, KeepsSamplesInOrderUpToItsLimitAndCountsTheRestAsMissing)
{
    const auto records = [](int from, int to) {
        std::vector<TSampleRecord> made;
        for (int value = from; value <= to; ++value)
            made.push_back(TSampleRecord{static_cast<float>(value)});
        return made;
    };
    const auto values = [](const TUnwrittenSamples &samples) {
        std::vector<float> kept;
        for (const TSampleRecord &record : samples.Records())
            kept.push_back(record.Value);
        return kept;
    };
    TUnwrittenSamples samples(4);
    samples.Add(records(1, 3));
    samples.NotWritten();
    samples.Add(records(4, 6));
    EXPECT_EQ(values(samples), (std::vector<float>{1, 2, 3, 4, 5, 6}));
    samples.NotWritten();
    EXPECT_EQ(values(samples), (std::vector<float>{1, 2, 3, 4}));
    EXPECT_EQ(samples.MissingCount(), 6u);

    // Written: room again, and the two beyond the limit stay missing.
    samples.Written();
    samples.Add(records(7, 8));
    EXPECT_EQ(values(samples), (std::vector<float>{7, 8}));
    EXPECT_EQ(samples.MissingCount(), 4u);

    samples.Clear();
    EXPECT_TRUE(samples.Records().empty());
    EXPECT_EQ(samples.MissingCount(), 0u);
}
