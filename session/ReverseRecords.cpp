#include "session/ReverseRecords.h"

#include <algorithm>

void ReverseRecords(std::vector<TSampleRecord> &records, std::size_t count)
{
    if (count == 0 || count > records.size())
        count = records.size();
    std::reverse(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(count));
}
