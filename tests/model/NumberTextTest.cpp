// The meter's number texts and its measurement line, the locale's separators; value texts
// fitted to their space.

#include "model/DecimalSeparators.h"
#include "model/FittedValueText.h"
#include "model/MeasurementLine.h"
#include "model/NumberText.h"

#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <array>

TEST(NumberText, EitherSeparatorWithSignExponentAndBlanksAndNothingThatIsNotOneNumber)
{
    for (const TDecSeparators seps : {TDecSeparators{u'.', u','}, TDecSeparators{u',', u'.'}}) {
        EXPECT_EQ(StrToFloatAnySep("  0.25", seps), 0.25L);
        EXPECT_EQ(StrToFloatAnySep("-12,5e1 ", seps), -125.0L);
        EXPECT_EQ(StrToFloatAnySep(" +5,", seps), 5.0L);
        EXPECT_EQ(StrToFloatAnySep(QString("1%12%13").arg(seps[1]), seps), std::nullopt)
            << "only the first is translated";
    }
    for (const char *text : {"", "   ", "1 2", "1e", "--1", "0x10", "inf", "nan", "1.2.3", "1e99999"})
        EXPECT_EQ(StrToFloatAnySep(text), std::nullopt) << text;
    for (const char *text : {"", "90 0", "900 ", "1.5", "- 5", "99999999999"})
        EXPECT_EQ(DecimalTextToInt(text), std::nullopt) << text;
    EXPECT_EQ(DecimalTextToInt("  -5"), -5);

    const TDecSeparators pointAlone{u'.', QChar()};
    EXPECT_TRUE(StrToFloatAnySep(" 2.5", pointAlone) == 2.5L && !StrToFloatAnySep(" 2,5", pointAlone));
}

TEST(DecimalSeparators, ComeFromTheLocaleOrAreReportedMissing)
{
    const TFakeServices services;
    EXPECT_EQ(FindDecSeparators(QLocale(QLocale::French, QLocale::France)), (TDecSeparators{u',', u'.'}));
    EXPECT_EQ(FindDecSeparators(QLocale::c()), (TDecSeparators{u'.', u','}));
    EXPECT_EQ(FindDecSeparators(QLocale(QLocale::Arabic, QLocale::Egypt)), std::nullopt);
    CheckDecimalSeparator(QLocale(QLocale::French, QLocale::France));
    EXPECT_TRUE(services.Texts().isEmpty());
    CheckDecimalSeparator(QLocale(QLocale::Arabic, QLocale::Egypt));
    ASSERT_EQ(services.Texts().size(), 1);
    EXPECT_TRUE(services.Texts()[0].startsWith("I cannot determine the local separator."));
}

TEST(NumberText, MeasurementLineFieldsAreReadAtTheirPlaces)
{
    const std::optional<TMeasurement> measurement = ParseMeasurementLine("12345678X   0\r\n");
    ASSERT_TRUE(measurement) << "character 9 is not examined";
    EXPECT_EQ(measurement->Value, 12345678.0f);
    EXPECT_FALSE(ParseMeasurementLine("  0.1234     \r\n"));
    EXPECT_FALSE(ParseMeasurementLine("    1e39  900\r\n")) << "beyond a float";
    EXPECT_EQ(ParseMeasurementLine("  0.1234 -001\r\n")->PeakFrequency, 0) << "a negative frequency is none";
}

// The fixed form where it fits, the exponent form (the locale's separator, a plain exponent)
// where it would overflow.
TEST(FittedValueText, KeepsTheFixedFormWhereItFitsAndShortensOnlyWhatOverflows)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(ExponentText(1.23456e38, 4, c), "1.2346E38");
    EXPECT_EQ(ExponentText(-4.6e-7, 0, c), "-5E-7");
    EXPECT_EQ(ExponentText(0.0, 3, c), "0");
    EXPECT_EQ(ExponentText(2.5e12, 1, QLocale(QLocale::German)), "2,5E12");

    const auto atMost = [](qsizetype count) { return [count](const QString &text) { return text.size() <= count; }; };
    EXPECT_EQ(FittedValueText(0, 99999, atMost(6), c), "99999");
    EXPECT_EQ(FittedValueText(0, 123456789, {}, c), "123456789");
    // A float reading of 99999999 is 1e8.
    EXPECT_EQ(FittedValueText(0, double(99999999.0f), atMost(6), c), "1.00E8");
    EXPECT_EQ(FittedValueText(0, 123456789, atMost(8), c), "1.2346E8");
}
