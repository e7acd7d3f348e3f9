#include "model/GlobalState.h"
#include "model/MeasurementLine.h"
#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class NumberTextOnLocale : public ::testing::TestWithParam<std::array<QChar, 2>> {
protected:
    void SetUp() override { DecSeparators = GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(PointAndComma, NumberTextOnLocale,
                         ::testing::Values(std::array<QChar, 2>{u'.', u','}, std::array<QChar, 2>{u',', u'.'}));

TEST_P(NumberTextOnLocale, EitherSeparatorWithSignExponentAndBlanks)
{
    EXPECT_EQ(StrToFloatAnySep("  0.25"), 0.25L);
    EXPECT_EQ(StrToFloatAnySep("-12,5e1 "), -125.0L);
    EXPECT_EQ(StrToFloatAnySep(" +5,"), 5.0L);
    const QChar other = GetParam()[1];
    EXPECT_EQ(StrToFloatAnySep(QString("1%12%13").arg(other)), std::nullopt) << "only the first is translated";
}

TEST(NumberText, RefusesWhatIsNotOneNumber)
{
    DecSeparators = {u'.', u','};
    for (const char *text : {"", "   ", "1 2", "1e", "--1", "0x10", "inf", "nan", "1.2.3", "1e99999"})
        EXPECT_EQ(StrToFloatAnySep(text), std::nullopt) << text;
    for (const char *text : {"", "90 0", "900 ", "1.5", "- 5", "99999999999"})
        EXPECT_EQ(DecimalTextToInt(text), std::nullopt) << text;
    EXPECT_EQ(DecimalTextToInt("  -5"), -5);

    ResetGlobalState();
    EXPECT_EQ(StrToFloatAnySep(" 2.5"), 2.5L) << "before the locale is known";
    EXPECT_EQ(StrToFloatAnySep(" 2,5"), std::nullopt);
}

TEST(NumberText, MeasurementLineFieldsAreReadAtTheirPlaces)
{
    DecSeparators = {u'.', u','};
    const std::optional<TMeasurement> measurement = ParseMeasurementLine("12345678X   0\r\n");
    ASSERT_TRUE(measurement) << "character 9 is not examined";
    EXPECT_EQ(measurement->Value, 12345678.0f);
    EXPECT_FALSE(ParseMeasurementLine("  0.1234     \r\n"));
    EXPECT_FALSE(ParseMeasurementLine("    1e39  900\r\n")) << "beyond a float";
}

} // namespace
