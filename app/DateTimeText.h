#pragma once
// Dates and times as the status line and the sample label show them: the locale's short
// date, a blank and its long time, the time left out at exactly midnight.

#include <QDateTime>
#include <QLocale>
#include <QString>

QString DateTimeText(const QDateTime &moment, const QLocale &locale = QLocale::system());

// The same for a day count (days since 30 December 1899, see storage/DateTimeConvert.h).
QString DayCountText(double days, const QLocale &locale = QLocale::system());
