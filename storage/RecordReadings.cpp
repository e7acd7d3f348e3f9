#include "storage/RecordReadings.h"

#include <cmath>

double RecordReading(float stored)
{
    return std::isfinite(stored) ? static_cast<double>(stored) : 0.0;
}

double RecordInterval(double stored)
{
    return stored > 0.0 && std::isfinite(stored) ? stored : DefaultRecordInterval;
}
