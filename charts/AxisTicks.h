#pragma once
// The labelled ticks of one axis, numeric or time.

#include "charts/ChartTypes.h"

#include <QLocale>
#include <QString>

#include <vector>

struct TAxisTick {
    double Value;
    QString Label;
};

// Label empty: a tick whose value the decimals cannot show exactly (see IsLabelledTick).
// A time axis falls back to numeric ticks (seconds with decimals decimals) where the time
// table has no step for the window.
std::vector<TAxisTick> MakeAxisTicks(double lo, double hi, TLabelType type, int minTicks, int decimals,
                                     const QLocale &locale);
