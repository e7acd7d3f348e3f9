#include "storage/ScheduleValidation.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QDateTime At(int year, int month, int day, int hour, int min, int sec)
{
    return QDateTime(QDate(year, month, day), QTime(hour, min, sec));
}

} // namespace

TEST(ReadDecimal, AllowsLeadingBlanksAndASignAndPointsAtTheFirstStrayCharacter)
{
    const std::tuple<const char *, int, int> cases[] = {
        {"  -7", -7, 0}, {"5x", 5, 2}, {"12 ", 12, 3}, {"", 0, 1}, {"-", 0, 2},
    };
    for (const auto &[text, value, position] : cases) {
        const TDecimalRead read = ReadDecimal(QString::fromLatin1(text));
        EXPECT_EQ(read.Value, value) << text;
        EXPECT_EQ(read.ErrorPosition, position) << text;
    }
    // Far too many digits: out of every range, and no overflow.
    EXPECT_GT(ReadDecimal(QStringLiteral("99999999999999999999")).Value, 9999);
}

TEST(CheckEndFields, ReportsTheFirstFailingFieldOnlyPositionMessageFirst)
{
    using Texts = std::array<QString, 6>;
    EXPECT_EQ(CheckEndFields(Texts{"24", "x", "", "", "", ""}).Messages,
              QStringList{"Error in the Hour field: Hour must be comprised in between 0 and 23"});
    // 5 is a minute, so only the stray character is reported.
    EXPECT_EQ(CheckEndFields(Texts{"0", "5x", "", "", "", ""}).Messages,
              QStringList{"Error in the Min. field at position: 2"});

    const TEndFieldsCheck good = CheckEndFields(Texts{" 7", "+5", "09", "31", "2", "2030"});
    ASSERT_TRUE(good.Messages.isEmpty());
    const TEndFields &f = good.Fields;
    EXPECT_EQ((std::array{f.Hour, f.Min, f.Sec, f.Day, f.Month, f.Year}), (std::array{7, 5, 9, 31, 2, 2030}));
}

TEST(ExpandTwoDigitYear, PlacesTheYearInTheHundredYearsFromFiftyBeforeNow)
{
    EXPECT_EQ(ExpandTwoDigitYear(76, 2026), 1976);
    EXPECT_EQ(ExpandTwoDigitYear(75, 2026), 2075);
}

TEST(JudgeEnd, ComparesTheWholeMomentAndTakesTheYearThroughTheWindow)
{
    const QDateTime now = At(2026, 3, 10, 10, 0, 0);
    // An earlier day at a later time of day is the past.
    EXPECT_EQ(JudgeEnd({11, 0, 0, 9, 3, 2026}, now).Verdict, TEndVerdict::TooClose);
    EXPECT_EQ(JudgeEnd({10, 0, 16, 10, 3, 2026}, now.addMSecs(500)).Verdict, TEndVerdict::Accepted);
    EXPECT_EQ(JudgeEnd({10, 0, 16, 29, 2, 2028}, now).End, At(2028, 2, 29, 10, 0, 16));
    // 2099 reads as 1999, which has passed.
    EXPECT_EQ(JudgeEnd({12, 0, 0, 1, 1, 2099}, now).Verdict, TEndVerdict::TooClose);
}
