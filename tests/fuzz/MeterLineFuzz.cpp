// The meter's lines as the connection form takes them: the decision what a line is, and the
// numbers of a measurement line, corrected and shown as the live display shows them.
// Input: a byte choosing the decimal separators and whether the line may be cut, then the line.

#include "tests/fuzz/FuzzChecks.h"

#include "device/MeterLineKind.h"
#include "model/DecimalSeparators.h"
#include "model/MeasurementLine.h"
#include "model/NumberText.h"
#include "model/Units.h"

#include <QLocale>

#include <cfloat>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    TDecSeparators separators;
    switch (choice % 3) {
    case 0: separators = {QChar(0), QChar(0)}; break;
    case 1: separators = {QChar(u'.'), QChar(u',')}; break;
    default: separators = {QChar(u','), QChar(u'.')}; break;
    }
    // The port hands lines over as Latin-1, one character per byte.
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    if (const std::optional<long double> number = StrToFloatAnySep(text, separators))
        Require(!std::isnan(*number), "a number text is a number", text);

    const TMeterLine line = ClassifyMeterLine(text, (choice & 0x80) != 0);
    if (line.Kind != TMeterLineKind::Measurement)
        return 0;
    Require(line.Text.size() == MeasurementLineLength, "a measurement line has its length", line.Text);
    const std::optional<TMeasurement> measurement = ParseMeasurementLine(line.Text, separators);
    if (!measurement)
        return 0;
    RequireFinite(measurement->Value, "reading");
    for (const std::uint8_t unit : {UnitVm, UnitMWm2}) {
        for (const int correction : {0, 3, 6}) {
            const float corrected = ApplyCorrection(measurement->Value, unit, correction);
            RequireFinite(corrected, "corrected reading");
            RequireFinite(LevelOf(unit, corrected), "level");
            RequireFinite(DensityOf(unit, corrected), "density");
            const QString shown = FormatValue(DisplayDecimals(corrected), corrected, QLocale::c());
            RequireNoNonFiniteText(shown, "reading shown");
        }
    }
    return 0;
}
