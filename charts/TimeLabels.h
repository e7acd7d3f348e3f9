#pragma once
// The time axis: abscissa values are seconds, ticks fall on a fixed table of steps from
// 1 ms to 12 h, and labels read " hh:mm:ss" or "-hh:mm:ss", with ".mmm" below a 1 s step.

#include "charts/TickStep.h"

#include <QString>

#include <optional>

// The largest step of the table not above span / minTicks (minTicks at least 2); none when
// that quotient is below 1 ms or reaches one day, where the axis is labelled with plain
// numbers instead.
std::optional<TTickStep> TimeTickStep(double span, int minTicks);

// The label of a tick at seconds on an axis with the given step. The value is rounded to
// whole milliseconds (below a 1 s step) or whole seconds first, so that 59.9996 s reads
// " 00:01:00.000", never " 00:00:59.1000". Hours take as many digits as they need.
QString FormatTimeLabel(double seconds, double step);

// Whether values of this size can be shown as times at all: beyond about 30 000 years the
// milliseconds no longer fit an integer.
bool IsTimeLabelRange(double lo, double hi);
