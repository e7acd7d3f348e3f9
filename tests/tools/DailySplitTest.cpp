// The end of a daily record: the next local midnight, also where summer time skips it or
// winter time brings it twice.

#include "tools/record/DailySplit.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

TEST(DailySplitTest, TheNextDayBeginsAtItsFirstInstantOnceEvenWhereTheClockChangesAroundMidnight)
{
    const QTimeZone paris("Europe/Paris"), santiago("America/Santiago"), havana("America/Havana");
    const auto at = [](const QTimeZone &zone, QDate day, QTime time) { return QDateTime(day, time, zone); };
    const auto utc = [](QDate day, QTime time) { return QDateTime(day, time, Qt::UTC); };
    const QDateTime havanaMidnight = utc(QDate(2026, 11, 1), QTime(4, 0)).toTimeZone(havana);
    const std::tuple<QDateTime, QDateTime, const char *> cases[] = {
        {at(paris, {2026, 12, 7}, {10, 15}), utc({2026, 12, 7}, {23, 0}), "an ordinary day"},
        {at(paris, {2026, 12, 7}, {23, 59, 59, 999}), utc({2026, 12, 7}, {23, 0}), "the last instant"},
        {at(paris, {2026, 12, 8}, {0, 0}), utc({2026, 12, 8}, {23, 0}), "midnight itself"},
        // Summer time begins at 02:00: the day is 23 hours long, its midnight as usual.
        {at(paris, {2026, 3, 29}, {1, 0}), utc({2026, 3, 29}, {22, 0}), "summer time that day"},
        {at(paris, {2026, 3, 28}, {12, 0}), utc({2026, 3, 28}, {23, 0}), "summer time the next day"},
        // Chile's summer time begins at midnight: 2026-09-06 starts at 01:00, 04:00 UTC.
        {at(santiago, {2026, 9, 5}, {20, 0}), utc({2026, 9, 6}, {4, 0}), "midnight skipped"},
        // Chile goes back from 00:00 to 23:00: 2026-04-04 has 25 hours.
        {at(santiago, {2026, 4, 4}, {22, 0}), utc({2026, 4, 5}, {4, 0}), "an hour twice before midnight"},
        // Cuba goes back from 01:00 to 00:00: 2026-11-01 00:00 comes at 04:00 and 05:00 UTC; the
        // second begins no new day, so the record after the first runs to the 2nd.
        {at(havana, {2026, 10, 31}, {20, 0}), utc({2026, 11, 1}, {4, 0}), "midnight twice, the first"},
        {havanaMidnight, utc({2026, 11, 2}, {5, 0}), "midnight twice, from the first"},
        {havanaMidnight.addSecs(3600 + 60), utc({2026, 11, 2}, {5, 0}), "midnight twice, after the second"},
    };
    for (const auto &[from, expected, what] : cases) {
        const QDateTime next = NextLocalMidnight(from);
        EXPECT_EQ(next.toUTC(), expected) << what;
        EXPECT_EQ(next.toTimeZone(from.timeZone()).date(), from.date().addDays(1)) << what;
    }
}

} // namespace
