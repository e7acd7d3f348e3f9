#include "model/FittedValueText.h"

#include "model/Units.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int MostMantissaDecimals = 4; // five significant digits, as the fixed form shows

} // namespace

TTextFits FitsWidth(const QFontMetrics &metrics, int width)
{
    return [metrics, width](const QString &text) { return metrics.horizontalAdvance(text) <= width; };
}

QString ExponentText(double x, int mantissaDecimals, const QLocale &locale)
{
    if (std::isnan(x) || x == 0.0)
        return QStringLiteral("0");
    if (std::isinf(x))
        x = std::copysign(DBL_MAX, x);
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", std::max(mantissaDecimals, 0), x); // -d.ddde+xx
    const char *exponent = std::strchr(text, 'e');
    QString mantissa = QString::fromLatin1(text, exponent - text);
    mantissa.replace(QLatin1Char('.'), locale.decimalPoint());
    return mantissa + QLatin1Char('E') + QString::number(std::atoi(exponent + 1));
}

QString FittedValueText(std::uint8_t decimals, double x, const TTextFits &fits, const QLocale &locale)
{
    const QString fixed = FormatValue(decimals, x, locale);
    if (!fits || fits(fixed))
        return fixed;
    for (int mantissaDecimals = MostMantissaDecimals; mantissaDecimals > 0; --mantissaDecimals) {
        const QString text = ExponentText(x, mantissaDecimals, locale);
        if (fits(text))
            return text;
    }
    return ExponentText(x, 0, locale);
}
