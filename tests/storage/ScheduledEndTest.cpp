// The scheduled end of a recording beneath the schedule dialog: the checks of its end row and
// the pending end. The dialog's own showing of them is tests/dialogs' test; a cancelled end is
// the session's.

#include "storage/ScheduleValidation.h"
#include "storage/ScheduledEnd.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QDateTime At(int year, int month, int day, int hour, int min, int sec)
{
    return QDateTime(QDate(year, month, day), QTime(hour, min, sec));
}

} // namespace

// The first failing field alone, its stray character's position before its range; the
// accepted fields are the dialog's test.
TEST(EndFields, ReportTheFirstFailingFieldOnlyPositionMessageFirst)
{
    const std::pair<std::array<QString, 6>, QStringList> refused[] = {
        {{"24", "x"}, {"Error in the Hour field: Hour must be comprised in between 0 and 23"}},
        {{"99999999999999999999"}, {"Error in the Hour field: Hour must be comprised in between 0 and 23"}},
        {{"0", "5x"}, {"Error in the Min. field at position: 2"}},
        {{"0", "0", "12 "}, {"Error in the Sec. field at position: 3"}},
        {{"0", "0", "0", "-"}, {"Error in the Day field at position: 2",
                                "Error in the Day field: Day must be comprised in between 1 and 31"}},
    };
    for (const auto &[texts, messages] : refused)
        EXPECT_EQ(CheckEndFields(texts).Messages, messages) << texts[0].toStdString();
}

TEST(JudgeEnd, ComparesTheWholeMomentAndTakesTheYearThroughAHundredYearWindow)
{
    const QDateTime now = At(2026, 3, 10, 10, 0, 0);
    // An earlier day at a later time of day is the past.
    EXPECT_EQ(JudgeEnd({11, 0, 0, 9, 3, 2026}, now).Verdict, TEndVerdict::TooClose);
    EXPECT_EQ(JudgeEnd({10, 0, 16, 10, 3, 2026}, now.addMSecs(500)).Verdict, TEndVerdict::Accepted);
    // 2099 reads as 1999, which has passed; the window begins 50 years back.
    EXPECT_EQ(JudgeEnd({12, 0, 0, 1, 1, 2099}, now).Verdict, TEndVerdict::TooClose);
    EXPECT_EQ(ExpandTwoDigitYear(76, 2026), 1976);
    EXPECT_EQ(ExpandTwoDigitYear(75, 2026), 2075);
}

TEST(ScheduledEnd, IsReachedToTheMillisecondAtThePeriodOfTheIntervalAndShownInTheLocalesTexts)
{
    TFakeServices services(At(2026, 12, 6, 10, 0, 0));
    TScheduledEnd schedule;
    const QDateTime end = services.Now.addSecs(360);
    schedule.Schedule(services.Now.addSecs(3600), 60.0);
    EXPECT_EQ(schedule.InterruptREC.interval(), 10000);
    schedule.Schedule(end, 0.5);  // replaces end and period
    EXPECT_EQ(schedule.InterruptREC.interval(), 1000);
    EXPECT_EQ(schedule.LabelText(QLocale(QLocale::English, QLocale::UnitedStates)),
              "Recording end scheduled on 12/6/26 10:06:00 AM  ");

    services.Now = end.addMSecs(-1);
    EXPECT_FALSE(schedule.EndReached());
    services.Now = end;
    EXPECT_TRUE(schedule.EndReached());
}
