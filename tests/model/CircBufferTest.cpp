#include "model/UnitCircBuffer_COMMON.h"

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
    TCircBuffer buffer(5), withoutStorage(0);
    Push(buffer, 1, 3);
    EXPECT_EQ(Values(buffer), (std::vector<float>{1, 2, 3}));
    Push(buffer, 4, 7);
    EXPECT_EQ(Values(buffer), (std::vector<float>{3, 4, 5, 6, 7}));
    EXPECT_EQ(buffer.Count(), 7u);
    buffer.Clear();
    Push(buffer, 8, 9);
    EXPECT_EQ(Values(buffer), (std::vector<float>{8, 9}));
    Push(withoutStorage, 1, 3);
    EXPECT_TRUE(Values(withoutStorage).empty());

    EXPECT_EQ(WriteBufferCapacityFor(0.59), 10);
    EXPECT_EQ(WriteBufferCapacityFor(1.99), 5);
    EXPECT_EQ(WriteBufferCapacityFor(2.0), 1);
}
