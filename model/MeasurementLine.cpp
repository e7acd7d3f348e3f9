#include "model/MeasurementLine.h"

#include "model/NumberText.h"

#include <cmath>
#include <limits>

std::optional<TMeasurement> ParseMeasurementLine(const QString &line, const TDecSeparators &separators)
{
    const std::optional<long double> reading = StrToFloatAnySep(line.mid(0, 8), separators);
    const std::optional<int> frequency = DecimalTextToInt(line.mid(9, 4));
    if (!reading || !frequency || std::fabs(*reading) > std::numeric_limits<float>::max())
        return std::nullopt;
    // The meter has no negative frequency: such a field reports none.
    return TMeasurement{*frequency < 0 ? 0 : *frequency, static_cast<float>(*reading)};
}
