#include "device/MeterLineKind.h"

#include "model/MeasurementLine.h"

namespace {

constexpr qsizetype DbmLineLength = 13; // CR LF included

} // namespace

TMeterLine ClassifyMeterLine(const QString &data, bool lineMayBeCut)
{
    if (lineMayBeCut && data.size() != DbmLineLength && data.size() != MeasurementLineLength) {
        // What came before the last full line is the remainder of the cut one.
        if (data.size() > MeasurementLineLength)
            return {TMeterLineKind::Measurement, data.right(MeasurementLineLength)};
        return {TMeterLineKind::CutRemainder, {}};
    }
    if (data.size() == DbmLineLength)
        return {TMeterLineKind::Dbm, {}};
    if (data.size() == MeasurementLineLength)
        return {TMeterLineKind::Measurement, data};
    return {TMeterLineKind::Stray, {}};
}
