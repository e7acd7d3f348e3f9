#include "tools/record/DailySplit.h"

#include <QTimeZone>

namespace {

// Offsets change on whole minutes, so stepping by one cannot jump over the start of a day.
constexpr qint64 ScanStepSeconds = 60;

} // namespace

QDateTime NextLocalMidnight(const QDateTime &now)
{
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0), now.timeZone());
    // The usual day: the clock runs at one offset from now to midnight, which exists once.
    if (midnight.isValid() && midnight.time() == QTime(0, 0) && midnight.offsetFromUtc() == now.offsetFromUtc())
        return midnight;
    // A change of offset before midnight: the first minute at which the local date has moved on.
    QDateTime scan = now.addMSecs(-(now.time().second() * 1000 + now.time().msec()));
    do
        scan = scan.addSecs(ScanStepSeconds);
    while (scan.date() <= now.date());
    return scan;
}
