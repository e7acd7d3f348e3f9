#include "charts/TickStep.h"

#include <cmath>

namespace {
constexpr double MaxTicks = 1000;
}

std::vector<double> TickValues(double lo, double hi, TTickStep step)
{
    std::vector<double> values;
    const double size = step.Value();
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(size > 0) || !(hi >= lo))
        return values;
    const double first = std::ceil(lo / size);
    const double last = std::floor(hi / size);
    if (!(last - first < MaxTicks))
        return values;
    // Counted in integers: at this scale first + 1 may equal first.
    const int count = int(last - first) + 1;
    for (int i = 0; i < count; ++i) {
        const double value = (first + i) * step.Units / step.Divisor;
        if (value >= lo && value <= hi)
            values.push_back(value);
    }
    return values;
}
