#include "model/SampleStatistics.h"

#include <algorithm>
#include <limits>

void TSampleStatistics::Reset(std::uint8_t unit, double resetTime)
{
    MeasuredUnit = unit;
    Count = 0;
    LastValue = 0.0;
    MaximumValue = ResetMaximum;
    MaximumAt = resetTime;
    MinimumValue = ResetMinimum;
    MinimumAt = resetTime;
    MeanValue = 0.0;
    LastClass = 0;
    LevelHistogram.Clear();
}

std::uint16_t TSampleStatistics::RangeDB() const
{
    if (Count == 0)
        return 0;
    const double maximum = DensityOf(MeasuredUnit, MaximumValue);
    double minimum = DensityOf(MeasuredUnit, MinimumValue);
    if (minimum <= 0.0)
        minimum = DBToPower(LevelFloorDb);
    const double range = RoundHalfEven(PowerToDB(maximum / minimum));
    return static_cast<std::uint16_t>(std::clamp(range, 0.0, double{std::numeric_limits<std::uint16_t>::max()}));
}
