#include "charts/AxisTicks.h"

#include "charts/NumericTicks.h"
#include "charts/TimeLabels.h"

#include <cmath>

std::vector<TAxisTick> MakeAxisTicks(double lo, double hi, TLabelType type, int minTicks, int decimals,
                                     const QLocale &locale)
{
    std::vector<TAxisTick> ticks;
    if (type == ftTime && IsTimeLabelRange(lo, hi)) {
        if (const auto step = TimeTickStep(hi - lo, minTicks)) {
            for (double value : TickValues(lo, hi, *step))
                ticks.push_back({value, FormatTimeLabel(value, step->Value())});
            return ticks;
        }
    }
    const TTickStep step = NumericTickStep(lo, hi, minTicks);
    const bool everyTick = step.Value() >= std::pow(10.0, -decimals);
    for (double value : TickValues(lo, hi, step)) {
        const bool labelled = everyTick || IsLabelledTick(value, decimals);
        ticks.push_back({value, labelled ? FormatTickNumber(value, decimals, locale) : QString()});
    }
    return ticks;
}
