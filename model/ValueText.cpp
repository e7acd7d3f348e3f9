#include "model/Units.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

std::uint8_t DisplayDecimals(double x)
{
    // Counting powers of ten instead of taking floor(log10(x)) keeps values just below a
    // power of ten (999.99999) on the right side of it.
    std::uint8_t decimals = 4;
    for (double power = 10.0; decimals > 0 && x >= power; power *= 10.0)
        --decimals;
    return decimals;
}

namespace {

// The decimal digits of |x| rounded to 15 significant digits, and the position of the
// decimal point in them (digits before it).
struct TDecimalDigits {
    std::string Digits;
    int PointPosition = 0;
    bool Negative = false;
};

TDecimalDigits SignificantDigits(double x)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", x); // [-]d.dddddddddddddde[+-]xx
    TDecimalDigits result;
    const char *p = text;
    if (*p == '-') {
        result.Negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p)
        if (*p != '.')
            result.Digits += *p;
    result.PointPosition = std::atoi(p + 1) + 1;
    return result;
}

// Rounds the digits to `decimals` places after the point, halves away from zero.
void RoundToDecimals(TDecimalDigits &number, int decimals)
{
    std::string &digits = number.Digits;
    if (number.PointPosition < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - number.PointPosition), '0');
        number.PointPosition = 1;
    }
    const std::size_t kept = static_cast<std::size_t>(number.PointPosition + decimals);
    if (digits.size() <= kept) {
        digits.append(kept - digits.size(), '0');
        return;
    }
    const bool roundUp = digits[kept] >= '5';
    digits.resize(kept);
    if (!roundUp)
        return;
    std::size_t i = kept;
    while (i > 0 && digits[i - 1] == '9')
        digits[--i] = '0';
    if (i > 0) {
        ++digits[i - 1];
    } else {
        digits.insert(0, 1, '1');
        ++number.PointPosition;
    }
}

} // namespace

QString FormatValue(std::uint8_t decimals, double x, const QLocale &locale)
{
    if (std::isnan(x))
        x = 0.0;
    else if (std::isinf(x))
        x = std::copysign(DBL_MAX, x);
    TDecimalDigits number = SignificantDigits(x);
    RoundToDecimals(number, decimals);

    const std::string &digits = number.Digits;
    std::size_t firstIntegerDigit = 0;
    while (firstIntegerDigit + 1 < static_cast<std::size_t>(number.PointPosition) && digits[firstIntegerDigit] == '0')
        ++firstIntegerDigit;
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;

    QString text;
    if (number.Negative && !allZero)
        text += '-';
    text += QLatin1String(digits.data() + firstIntegerDigit,
                              static_cast<qsizetype>(number.PointPosition) - static_cast<qsizetype>(firstIntegerDigit));
    if (decimals > 0) {
        text += locale.decimalPoint();
        text += QLatin1String(digits.data() + number.PointPosition, decimals);
    }
    return text;
}
