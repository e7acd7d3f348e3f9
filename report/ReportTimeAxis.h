#pragma once
// The time axis of a report's time chart. The abscissa counts seconds from midnight of the
// record's first day, which reads well as " hh:mm:ss" within that day; a record that goes past
// midnight is labelled with times of day instead, and the first label and each one where a
// new day begins also carry the date. Steps reach from a second to weeks.

#include "charts/AxisTicks.h"

#include <QDate>
#include <QLocale>

#include <vector>

// recordEnd: the abscissa of the record's end; lo ... hi the window shown.
std::vector<TAxisTick> ReportTimeTicks(double lo, double hi, double recordEnd, const QDate &firstDay, int minTicks,
                                       const QLocale &locale = QLocale::system());
