#pragma once
// Day counts as the records store their times: days since 30 December 1899 00:00 local
// time, the fraction being the wall-clock time of day (so a day of a daylight-saving
// change still runs from .0 to .999..). Before 30 December 1899 the count is negative
// and the fraction still counts forward from the midnight of the day named by the
// integer part: -1.25 is 29 December 1899 06:00.

#include <QDateTime>

double ToTDateTime(const QDateTime &dateTime);

// Local time, rounded to the millisecond. A day count that names a wall-clock time inside
// the spring-forward gap gives the time the clock shows once the gap is over (02:30 on a
// day the clock jumps from 02:00 to 03:00 gives 03:30); one inside the autumn's repeated
// hour gives one of the two instants that show that time. A count that is not a number or
// lies outside the years 100 to 9999 gives an invalid QDateTime.
QDateTime FromTDateTime(double days);
