// Value texts fitted to their space: the fixed form where it fits, the exponent form beyond.

#include "model/FittedValueText.h"

#include <gtest/gtest.h>

namespace {

TTextFits AtMostCharacters(qsizetype count)
{
    return [count](const QString &text) { return text.size() <= count; };
}

TEST(ExponentText, MantissaWithTheLocalesSeparatorAndAPlainExponent)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(ExponentText(1.23456e38, 4, c), "1.2346E38");
    EXPECT_EQ(ExponentText(-4.6e-7, 0, c), "-5E-7");
    EXPECT_EQ(ExponentText(0.0, 3, c), "0");
    EXPECT_EQ(ExponentText(2.5e12, 1, QLocale(QLocale::German)), "2,5E12");
}

TEST(FittedValueText, KeepsTheFixedFormWhereItFitsAndShortensOnlyWhatOverflows)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(FittedValueText(0, 99999, AtMostCharacters(6), c), "99999");
    EXPECT_EQ(FittedValueText(0, 123456789, {}, c), "123456789");
    // A float reading of 99999999 is 1e8.
    EXPECT_EQ(FittedValueText(0, double(99999999.0f), AtMostCharacters(6), c), "1.00E8");
    EXPECT_EQ(FittedValueText(0, 123456789, AtMostCharacters(8), c), "1.2346E8");
}

} // namespace
