#pragma once
// Ticks of a numeric axis: the largest round step (1, 2 or 5 times a power of ten) that
// still puts at least minTicks ticks into the window, and labels with a fixed number of
// decimals.

#include "charts/TickStep.h"

#include <QLocale>
#include <QString>

// minTicks is taken as at least 2. A window without a finite, positive width has no step
// (Units 0).
TTickStep NumericTickStep(double lo, double hi, int minTicks);

// Whether value is a multiple of 10^-decimals, so that its label shows it exactly. Where the
// step is finer than the decimals can show, only such ticks are labelled: the others would
// repeat a neighbour's label at the wrong place.
bool IsLabelledTick(double value, int decimals);

// value with decimals digits after the locale's decimal separator and no group separators.
// Negative decimals round to tens, hundreds or thousands and show no decimals.
QString FormatTickNumber(double value, int decimals, const QLocale &locale);

// value in exponent form with the mantissa decimals that tell it from its neighbours step
// apart: "1.2E38" for 1.2e38 with a step of 2e37; "0" for zero.
QString ExponentTickLabel(double value, double step, const QLocale &locale);
