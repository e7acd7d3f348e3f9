#include "storage/DateTimeConvert.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace {

constexpr double Hour = 1.0 / 24;

QDateTime Local(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::LocalTime);
}

QDateTime Utc(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc());
}

// Local time follows TZ; Paris has both daylight-saving changes.
class TDateTimeConversion : public ::testing::Test {
protected:
    void SetUp() override { SetTz("Europe/Paris"); }
    void TearDown() override { SetTz(SavedTz); }
    static void SetTz(const QByteArray &tz) { qputenv("TZ", tz); tzset(); }
    const QByteArray SavedTz = qgetenv("TZ");
};

} // namespace

TEST_F(TDateTimeConversion, CountsLocalDaysWithTheTimeOfDayAsFractionAcrossDaylightSavingChanges)
{
    EXPECT_DOUBLE_EQ(ToTDateTime(Local(2025, 1, 7, 9, 5).addSecs(3)), 45664 + (9 * 3600 + 5 * 60 + 3) / 86400.0);
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 1, 7, 23, 30)), 45665 + 0.5 * Hour);  // 00:30 in Paris
    // Before 30 December 1899 the day counts down while the time of day still counts up.
    EXPECT_DOUBLE_EQ(ToTDateTime(Local(1899, 12, 29, 6, 0)), -1.25);
    EXPECT_EQ(FromTDateTime(-1.25), Local(1899, 12, 29, 6, 0));
    EXPECT_EQ(FromTDateTime(45664.9999999999), Local(2025, 1, 8, 0, 0));  // rounds up to the next midnight
    EXPECT_FALSE(FromTDateTime(std::nan("")).isValid() || FromTDateTime(1e300).isValid());

    // 30 March 2025, 01:00 UTC: 02:00 becomes 03:00; 02:30 never shows and reads an hour later.
    for (const QDateTime &time : {Utc(2025, 3, 30, 0, 59).toLocalTime(), Utc(2025, 3, 30, 1, 0).toLocalTime()})
        EXPECT_EQ(FromTDateTime(ToTDateTime(time)), time);
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 3, 30, 1, 0)), 45746 + 3 * Hour);
    EXPECT_EQ(FromTDateTime(45746 + 2.5 * Hour), Local(2025, 3, 30, 3, 30));
    // 26 October 2025: 02:30 shows twice, at 00:30 and at 01:30 UTC.
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 10, 26, 0, 30)), 45956 + 2.5 * Hour);
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 10, 26, 1, 30)), 45956 + 2.5 * Hour);
    const QDateTime back = FromTDateTime(45956 + 2.5 * Hour);
    EXPECT_TRUE(back == Utc(2025, 10, 26, 0, 30) || back == Utc(2025, 10, 26, 1, 30));
}
