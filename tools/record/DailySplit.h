#pragma once
// When a daily record ends: at the first instant of the next local day. On most days that is
// 00:00, but a change to summer time can skip midnight (the day then begins at 01:00) and a
// change back can bring the same local midnight twice; the day changes once all the same.

#include <QDateTime>

// The first instant after now whose local date is later than now's, in now's time zone.
QDateTime NextLocalMidnight(const QDateTime &now);
