#include "charts/ChartReadouts.h"

#include "model/Units.h"

#include <algorithm>

int ReadoutLevel(double x)
{
    return int(RoundHalfEven(std::clamp(x, -128.0, 127.0)));
}

QString LevelValueText(double x, const QLocale &locale, const TTextFits &fits)
{
    const double density = DBToPower(ReadoutLevel(x));
    return FittedValueText(DisplayDecimals(density), density, fits, locale);
}

QString LevelReadoutText(double x, const QLocale &locale, const TTextFits &fits)
{
    const QString prefix = QString::number(ReadoutLevel(x)) + QStringLiteral(" = ");
    const QString suffix = QStringLiteral(" mW/m²");
    TTextFits valueFits;
    if (fits)
        valueFits = [&](const QString &value) { return fits(prefix + value + suffix); };
    return prefix + LevelValueText(x, locale, valueFits) + suffix;
}

QString ValueReadoutText(double maximum, double y, const QLocale &locale, const TTextFits &fits)
{
    return FittedValueText(DisplayDecimals(maximum), y, fits, locale);
}
