#include "model/UnwrittenSamples.h"

void TUnwrittenSamples::Add(const std::vector<TSampleRecord> &records)
{
    Kept.insert(Kept.end(), records.begin(), records.end());
}

void TUnwrittenSamples::NotWritten()
{
    if (Kept.size() <= Limit)
        return;
    Lost += Kept.size() - Limit;
    Kept.resize(Limit);
}

void TUnwrittenSamples::Clear()
{
    Kept.clear();
    Lost = 0;
}
