// Date and time texts in the locale's formats.

#include "storage/LocaleTimeText.h"

#include <QDateTime>

#include <gtest/gtest.h>

TEST(LocaleDateTimeText, ShortDateAndClockWithoutZoneLeavingMidnightOut)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(LocaleDateTimeText(QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), locale), "1/7/25 9:05:03 AM");
    EXPECT_EQ(LocaleDateTimeText(QDateTime(QDate(2025, 1, 7), QTime(0, 0)), locale), "1/7/25");
}
