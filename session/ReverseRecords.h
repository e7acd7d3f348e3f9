#pragma once
// An imported transfer is plotted and saved in the reverse order of its arrival.

#include "model/SampleRecord.h"

#include <cstddef>
#include <vector>

// Reverses the first count records in place (all of them when count is 0); the first becomes
// the last, the second the last but one, and so on. A count beyond the records reverses them all.
void ReverseRecords(std::vector<TSampleRecord> &records, std::size_t count);
