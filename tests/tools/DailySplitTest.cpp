// The end of a daily record: the next local midnight, also where summer time skips it or
// winter time brings it twice.

#include "tools/record/DailySplit.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

QDateTime At(const QTimeZone &zone, int year, int month, int day, int hour, int minute, int second = 0, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), zone);
}

TEST(DailySplitTest, TheNextDayBeginsAtItsMidnightOrAtItsFirstInstantWhenThatIsSkipped)
{
    const QTimeZone paris("Europe/Paris");
    EXPECT_EQ(NextLocalMidnight(At(paris, 2026, 12, 7, 10, 15)), At(paris, 2026, 12, 8, 0, 0));
    EXPECT_EQ(NextLocalMidnight(At(paris, 2026, 12, 7, 23, 59, 59, 999)), At(paris, 2026, 12, 8, 0, 0));
    EXPECT_EQ(NextLocalMidnight(At(paris, 2026, 12, 8, 0, 0)), At(paris, 2026, 12, 9, 0, 0));
    // Summer time begins at 02:00: the day after is 23 hours long, its midnight as usual.
    EXPECT_EQ(NextLocalMidnight(At(paris, 2026, 3, 29, 1, 0)), At(paris, 2026, 3, 30, 0, 0));
    EXPECT_EQ(NextLocalMidnight(At(paris, 2026, 3, 28, 12, 0)).toUTC(),
              QDateTime(QDate(2026, 3, 28), QTime(23, 0), Qt::UTC));

    // Chile's summer time begins at midnight: 2026-09-06 starts at 01:00, 04:00 UTC.
    const QTimeZone santiago("America/Santiago");
    const QDateTime skipped = NextLocalMidnight(At(santiago, 2026, 9, 5, 20, 0));
    EXPECT_EQ(skipped.toUTC(), QDateTime(QDate(2026, 9, 6), QTime(4, 0), Qt::UTC));
    EXPECT_EQ(skipped.date(), QDate(2026, 9, 6));
}

TEST(DailySplitTest, ADayThatEndsWithAnHourTwiceEndsOnceAndAMidnightThatComesTwiceStartsOneDay)
{
    // Chile goes back from 00:00 to 23:00: 2026-04-04 has 25 hours, the 5th begins at 04:00 UTC.
    const QTimeZone santiago("America/Santiago");
    EXPECT_EQ(NextLocalMidnight(At(santiago, 2026, 4, 4, 22, 0)).toUTC(),
              QDateTime(QDate(2026, 4, 5), QTime(4, 0), Qt::UTC));

    // Cuba goes back from 01:00 to 00:00: 2026-11-01 00:00 comes at 04:00 and again at 05:00 UTC.
    const QTimeZone havana("America/Havana");
    const QDateTime first = NextLocalMidnight(At(havana, 2026, 10, 31, 20, 0));
    EXPECT_EQ(first.toUTC(), QDateTime(QDate(2026, 11, 1), QTime(4, 0), Qt::UTC));
    // The second 00:00 begins no new day: the record after the first runs to the 2nd.
    EXPECT_EQ(NextLocalMidnight(first).toUTC(), QDateTime(QDate(2026, 11, 2), QTime(5, 0), Qt::UTC));
    EXPECT_EQ(NextLocalMidnight(first.addSecs(3600 + 60)).toUTC(), QDateTime(QDate(2026, 11, 2), QTime(5, 0), Qt::UTC));
}

} // namespace
