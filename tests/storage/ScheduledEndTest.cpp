#include "storage/ScheduleEndQuestion.h"
#include "storage/ScheduledEnd.h"

#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(ScheduledEnd, IsReachedThroughTheClockWhilePendingAndLooksAtThePeriodOfTheInterval)
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

    // Once cancelled, a passed end stops nothing.
    schedule.Cancel();
    EXPECT_FALSE(schedule.IsPending());
    EXPECT_FALSE(schedule.EndReached());
}

TEST(ScheduledEnd, LabelShowsTheEndInTheLocalesShortDateAndLongTime)
{
    TScheduledEnd schedule;
    schedule.Schedule(QDateTime(QDate(2026, 12, 6), QTime(10, 6, 0)), 1.0);
    EXPECT_EQ(schedule.LabelText(QLocale(QLocale::English, QLocale::UnitedStates)),
              "Recording end scheduled on 12/6/26 10:06:00 AM  ");
}

TEST(ScheduleEndQuestion, OnlyYesStartsARecording)
{
    TFakeServices services;
    services.Answer(TMsgAnswer::Cancel);
    services.Answer(TMsgAnswer::Yes);
    EXPECT_FALSE(ConfirmStartRecordingForSchedule());
    EXPECT_TRUE(ConfirmStartRecordingForSchedule());
    EXPECT_EQ(services.Shown[0].Buttons, TMsgButtons::YesCancel);
    EXPECT_EQ(services.Shown[0].Text, "Do you want to start recording and schedule the end of recording?");
}
