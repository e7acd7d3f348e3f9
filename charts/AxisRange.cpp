#include "charts/AxisRange.h"

#include <algorithm>
#include <cmath>

void TAxisRange::SetLo(double lo)
{
    if (!std::isfinite(lo))
        return;
    Lo = lo;
    if (!(Hi - Lo >= MinRange))
        Hi = std::max(Lo + MinRange, std::nextafter(Lo, HUGE_VAL));
}

void TAxisRange::SetHi(double hi)
{
    if (!std::isfinite(hi))
        return;
    Hi = hi;
    if (!(Hi - Lo >= MinRange))
        Lo = std::min(Hi - MinRange, std::nextafter(Hi, -HUGE_VAL));
}

void TAxisRange::Set(double lo, double hi)
{
    if (lo == hi) {
        lo -= MinRange / 2;
        hi += MinRange / 2;
    }
    SetLo(lo);
    SetHi(hi);
}

void TAxisRange::SetMinRange(double minRange)
{
    if (!(minRange > 0.0) || !std::isfinite(minRange))
        return;
    MinRange = minRange;
    SetHi(Hi);
}
