#include "session/DumpLine.h"

#include "model/MeasurementLine.h"

bool IsDumpHeaderLine(const QString &line)
{
    return line.contains(QStringLiteral("Interval"));
}

std::optional<TSampleRecord> DumpRecord(const QString &line)
{
    const std::optional<TMeasurement> measurement = ParseMeasurementLine(line);
    // Compared as stored: "0.0001" rounds to a float just below the double 0.0001.
    if (!measurement || !(measurement->Value >= ImportThreshold))
        return std::nullopt;
    TSampleRecord record;
    MakeSampleRecord(static_cast<std::uint16_t>(measurement->PeakFrequency), 0, record, measurement->Value);
    return record;
}
