#include "charts/ChartReadouts.h"

#include "model/Units.h"

#include <algorithm>

int ReadoutLevel(double x)
{
    return int(RoundHalfEven(std::clamp(x, -128.0, 127.0)));
}

QString LevelValueText(double x, const QLocale &locale)
{
    const double density = DBToPower(ReadoutLevel(x));
    return FormatValue(DisplayDecimals(density), density, locale);
}

QString LevelReadoutText(double x, const QLocale &locale)
{
    return QString::number(ReadoutLevel(x)) + QStringLiteral(" = ") + LevelValueText(x, locale)
           + QStringLiteral(" mW/m²");
}

QString ValueReadoutText(double maximum, double y, const QLocale &locale)
{
    return FormatValue(DisplayDecimals(maximum), y, locale);
}
