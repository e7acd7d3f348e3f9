#include "charts/NumericTicks.h"

#include "model/FittedValueText.h"

#include <algorithm>
#include <cmath>

namespace {

// Steps of the 1-2-5 sequence, walked downwards.
struct TRoundStep {
    int Mantissa;
    int Exponent;

    TTickStep Step() const
    {
        const double power = std::pow(10.0, std::abs(Exponent));
        return Exponent >= 0 ? TTickStep{Mantissa * power, 1.0} : TTickStep{double(Mantissa), power};
    }

    TRoundStep Smaller() const
    {
        switch (Mantissa) {
        case 5: return {2, Exponent};
        case 2: return {1, Exponent};
        default: return {5, Exponent - 1};
        }
    }
};

// The largest step of the sequence that does not exceed limit.
TRoundStep RoundStepAtMost(double limit)
{
    const int exponent = int(std::floor(std::log10(limit)));
    TRoundStep step{5, exponent + 1}; // log10 may land just below an exact power
    while (step.Step().Value() > limit)
        step = step.Smaller();
    return step;
}

} // namespace

TTickStep NumericTickStep(double lo, double hi, int minTicks)
{
    minTicks = std::max(minTicks, 2);
    const double span = hi - lo;
    if (!std::isfinite(span) || !(span > 0))
        return {0.0, 1.0};
    // No step above span / (minTicks - 1) can fit minTicks multiples; one at or below
    // span / minTicks always does, which bounds the walk to a few steps.
    TRoundStep step = RoundStepAtMost(span / (minTicks - 1));
    for (int tries = 0; tries < 8; ++tries) {
        if (TickValues(lo, hi, step.Step()).size() >= std::size_t(minTicks))
            break;
        step = step.Smaller();
    }
    return step.Step();
}

QString FormatTickNumber(double value, int decimals, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (decimals < 0) {
        const double unit = std::pow(10.0, -decimals);
        value = std::round(value / unit) * unit;
        decimals = 0;
    }
    if (value == 0)
        value = 0; // no "-0"
    return plain.toString(value, 'f', decimals);
}

bool IsLabelledTick(double value, int decimals)
{
    const double scaled = value * std::pow(10.0, decimals);
    return std::fabs(scaled - std::nearbyint(scaled)) <= 1e-6 * std::max(1.0, std::fabs(scaled));
}

QString ExponentTickLabel(double value, double step, const QLocale &locale)
{
    if (value == 0 || !(step > 0))
        return ExponentText(value, 0, locale);
    // Ticks are multiples of a 1-2-5 step: one significant digit below the step's is enough.
    const int decimals = int(std::floor(std::log10(std::fabs(value)))) - int(std::floor(std::log10(step) + 1e-9));
    QString label = ExponentText(value, std::clamp(decimals, 0, 15), locale);
    // "1E8", not "1.0E8", beside "2E7".
    const qsizetype exponent = label.indexOf(QLatin1Char('E'));
    const qsizetype separator = label.indexOf(locale.decimalPoint());
    if (separator < 0 || separator > exponent)
        return label;
    qsizetype end = exponent;
    while (label[end - 1] == QLatin1Char('0'))
        --end;
    if (end - 1 == separator)
        --end;
    return label.remove(end, exponent - end);
}
