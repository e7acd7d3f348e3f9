#pragma once
// The meter's measurement line: characters 1 to 8 the reading (decimal text, "." or ","),
// character 9 not examined, characters 10 to 13 the peak frequency, then CR LF.

#include "model/DecimalSeparators.h"

#include <QString>

#include <optional>

constexpr qsizetype MeasurementLineLength = 15; // CR LF included

struct TMeasurement {
    int PeakFrequency;
    float Value; // in the meter's unit, before any correction
};

// nullopt when the reading or the frequency is not a number, or the reading does not fit
// a float: such a line carries no measurement. A negative frequency is none (0).
std::optional<TMeasurement> ParseMeasurementLine(const QString &line,
                                                 const TDecSeparators &separators = LocaleDecSeparators());
