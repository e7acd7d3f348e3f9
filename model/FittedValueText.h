#pragma once
// Value texts for a space of limited width. Values are shown as FormatValue shows them
// wherever that text fits; a value too large for its space (a reading of 99999999, an axis
// running to 1E38) is shown in exponent form instead, with as many mantissa decimals as fit.

#include <QFontMetrics>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>

// Whether a text fits the space it is meant for.
using TTextFits = std::function<bool(const QString &)>;

// Whether a text written in metrics' font is at most width pixels wide.
TTextFits FitsWidth(const QFontMetrics &metrics, int width);

// x in exponent form with mantissaDecimals decimals and the locale's decimal separator:
// "1.2346E8", "-5E-7"; "0" for zero.
QString ExponentText(double x, int mantissaDecimals, const QLocale &locale = QLocale::system());

// FormatValue(decimals, x) when it fits; otherwise x in exponent form with the most of four
// mantissa decimals that fit, or with none when even that does not fit. Without fits, every
// text fits.
QString FittedValueText(std::uint8_t decimals, double x, const TTextFits &fits,
                        const QLocale &locale = QLocale::system());
