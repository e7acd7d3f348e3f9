#pragma once
// The readings of records, in their order.

#include "model/SampleRecord.h"

#include <vector>

std::vector<float> StoredValues(const std::vector<TSampleRecord> &records);
