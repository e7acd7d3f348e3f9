#include "storage/ScheduledEnd.h"

#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

// A cancelled end is the session's test.
TEST(ScheduledEnd, IsReachedToTheMillisecondAndLooksAtThePeriodOfTheInterval)
{
    TFakeServices services(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
    QDateTime &now = services.Now;
    TScheduledEnd schedule;
    const QDateTime end = now.addSecs(60);
    schedule.Schedule(now.addSecs(3600), 60.0);
    schedule.Schedule(end, 0.5);  // replaces end and period
    EXPECT_TRUE(schedule.IsPending());
    EXPECT_EQ(schedule.InterruptREC.interval(), 1000);

    now = end.addMSecs(-1);
    EXPECT_FALSE(schedule.EndReached());
    now = end;
    EXPECT_TRUE(schedule.EndReached());
}

TEST(ScheduledEnd, LabelShowsTheEndInTheLocalesShortDateAndLongTime)
{
    TScheduledEnd schedule;
    schedule.Schedule(QDateTime(QDate(2026, 12, 6), QTime(10, 6, 0)), 1.0);
    EXPECT_EQ(schedule.LabelText(QLocale(QLocale::English, QLocale::UnitedStates)),
              "Recording end scheduled on 12/6/26 10:06:00 AM  ");
}
