#pragma once
// Dates and times as the windows show them: the locale's short date and its long time
// format (a clock reading, without the time zone's name).

#include <QDateTime>
#include <QLocale>
#include <QString>

// The locale's long time format less its time-zone letters.
QString LocaleLongTimeFormat(const QLocale &locale = QLocale::system());

QString LocaleShortDate(const QDate &date, const QLocale &locale = QLocale::system());
QString LocaleLongTime(const QTime &time, const QLocale &locale = QLocale::system());

// Short date, a blank and long time; the time is left out at exactly midnight.
QString LocaleDateTimeText(const QDateTime &moment, const QLocale &locale = QLocale::system());

// The same for a day count (days since 30 December 1899, see storage/DateTimeConvert.h).
QString DayCountText(double days, const QLocale &locale = QLocale::system());
