#pragma once
// The texts shown while the pointer moves over a chart.

#include "model/FittedValueText.h"

#include <QLocale>
#include <QString>

// The level under the pointer of a level chart: x rounded to the nearest integer (halves to
// even), held to -128 ... 127.
int ReadoutLevel(double x);

// The texts below are fitted to their space by fits (see FittedValueText): a value too
// large for it is shown in exponent form.

// The power density of that level, 10^(L/10) mW/m², with the decimals that show five
// significant digits: "1.9953" for x = 3.4.
QString LevelValueText(double x, const QLocale &locale = QLocale::system(), const TTextFits &fits = {});

// "3 = 1.9953 mW/m²" for x = 3.4.
QString LevelReadoutText(double x, const QLocale &locale = QLocale::system(), const TTextFits &fits = {});

// The value under the pointer of a time chart, with the decimals that show five significant
// digits of the largest value.
QString ValueReadoutText(double maximum, double y, const QLocale &locale = QLocale::system(),
                         const TTextFits &fits = {});
