// The window-free helpers of the main window: date texts and escaped errors.

#include "model/HandlerErrors.h"
#include "storage/LocaleTimeText.h"
#include "model/InOutError.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(LocaleDateTimeText, ShortDateAndClockWithoutZoneLeavingMidnightOut)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QDate day(2025, 1, 7);
    EXPECT_EQ(LocaleDateTimeText(QDateTime(day, QTime(9, 5, 3)), locale), "1/7/25 9:05:03 AM");
    EXPECT_EQ(LocaleDateTimeText(QDateTime(day, QTime(0, 0)), locale), "1/7/25");
    EXPECT_EQ(LocaleDateTimeText(QDateTime(day, QTime(17, 0, 0)), QLocale(QLocale::German, QLocale::Germany)),
              "07.01.25 17:00:00");
}

TEST(EscapedErrorText, ShowsTheMessageOfEveryKindOfError)
{
    const auto text = [](auto error) { return EscapedErrorText(std::make_exception_ptr(error)); };
    EXPECT_EQ(text(EInOutError("Permission denied (13): /x/run.zlog", 13)), "Permission denied (13): /x/run.zlog");
    EXPECT_EQ(text(std::runtime_error("bad_alloc")), "bad_alloc");
    EXPECT_EQ(text(42), "Unknown error");
}
