#include "model/UnwrittenSamples.h"

#include <algorithm>

void TUnwrittenSamples::Add(const std::vector<TSampleRecord> &records)
{
    const std::size_t room = Limit - std::min(Limit, Kept.size());
    const std::size_t taken = std::min(room, records.size());
    Kept.insert(Kept.end(), records.begin(), records.begin() + static_cast<std::ptrdiff_t>(taken));
    Lost += records.size() - taken;
}

void TUnwrittenSamples::Clear()
{
    Kept.clear();
    Lost = 0;
}
