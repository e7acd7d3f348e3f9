#include "tests/support/StoredValues.h"

std::vector<float> StoredValues(const std::vector<TSampleRecord> &records)
{
    std::vector<float> values;
    for (const TSampleRecord &record : records)
        values.push_back(record.Value);
    return values;
}
