// The risk limits printed in the help documents, checked against the program's own risk
// evaluation on both sides of every limit.

#include "tools/doc-gen/RiskTableHtml.h"
#include "tools/doc-gen/RiskThresholds.h"

#include "model/Risk.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int VeryLow = 0, Low = 1, Moderate = 2, High = 3, VeryHigh = 4, Extreme = 5;

const TRiskBand &Band(const TRiskColumn &column, int category)
{
    return column.Bands[static_cast<std::size_t>(category)];
}

double Above(double value)
{
    return std::nextafter(value, std::numeric_limits<double>::infinity());
}

} // namespace

TEST(RiskThresholds, EveryUpperLimitIsTheLastReadingOfItsCategoryInBothUnits)
{
    for (const TRiskColumn &column : ComputeRiskThresholds()) {
        for (int category = VeryLow; category < Extreme; ++category) {
            const TRiskBand &band = Band(column, category);
            SCOPED_TRACE(testing::Message() << "population " << column.Population << " state " << column.State
                                            << " category " << category);
            ASSERT_TRUE(band.DensityUpTo && band.FieldUpTo);
            EXPECT_EQ(RiskCategoryOf(UnitMWm2, *band.DensityUpTo, column.Population, column.State), category);
            EXPECT_EQ(RiskCategoryOf(UnitMWm2, Above(*band.DensityUpTo), column.Population, column.State),
                      category + 1);
            EXPECT_EQ(RiskCategoryOf(UnitVm, *band.FieldUpTo, column.Population, column.State), category);
            EXPECT_EQ(RiskCategoryOf(UnitVm, Above(*band.FieldUpTo), column.Population, column.State), category + 1);
            // The limit of one category is where the next one begins.
            EXPECT_EQ(Band(column, category + 1).DensityAbove, band.DensityUpTo);
            EXPECT_EQ(Band(column, category + 1).FieldAbove, band.FieldUpTo);
        }
        EXPECT_FALSE(Band(column, VeryLow).DensityAbove);
        EXPECT_FALSE(Band(column, Extreme).DensityUpTo);
    }
}

TEST(RiskThresholds, LevelsFollowTheOffsetsOfPopulationAndState)
{
    const auto columns = ComputeRiskThresholds();
    const TRiskColumn &generalWake = columns[0], &generalSleep = columns[1], &sensitiveWake = columns[2],
                      &sensitiveSleep = columns[3];

    EXPECT_FALSE(Band(generalWake, VeryLow).LowestLevel);
    EXPECT_EQ(Band(generalWake, Low).LowestLevel, 11);
    EXPECT_EQ(Band(generalWake, VeryHigh).HighestLevel, 50);
    EXPECT_FALSE(Band(generalWake, Extreme).HighestLevel);
    EXPECT_EQ(Band(sensitiveSleep, Low).HighestLevel, 0);
    EXPECT_EQ(Band(sensitiveSleep, Extreme).LowestLevel, 31);

    // General/Sleep and Sensitive/Wake share one scale.
    for (int category = VeryLow; category <= Extreme; ++category) {
        EXPECT_EQ(Band(generalSleep, category).LowestLevel, Band(sensitiveWake, category).LowestLevel);
        EXPECT_EQ(Band(generalSleep, category).DensityUpTo, Band(sensitiveWake, category).DensityUpTo);
    }
}

TEST(RiskTableText, NumbersHaveFourSignificantFiguresInTheDocumentsLanguage)
{
    EXPECT_EQ(SignificantText(0.00112202, 4, "fr"), "0,001122");
    EXPECT_EQ(SignificantText(112.202, 4, "it"), "112,2");
    EXPECT_EQ(SignificantText(1122.02, 4, "fr"), "1122"); // no group separator
    EXPECT_EQ(SignificantText(9.99961, 4, "en"), "10.00"); // the carry adds a figure
    EXPECT_EQ(SignificantText(-0.5, 4, "en"), "\u22120.5000");
    EXPECT_THROW(SignificantText(1.0, 4, "de"), std::invalid_argument);
}

TEST(RiskTableText, TablesPrintEveryComputedLimitAndNameTheCategoriesAsTheProgramDoes)
{
    const auto columns = ComputeRiskThresholds();
    const QString html = RiskTablesHtml(columns, "it", true);
    for (const TRiskColumn &column : columns)
        for (const TRiskBand &band : column.Bands)
            for (const auto &limit : {band.DensityUpTo, band.FieldUpTo})
                EXPECT_TRUE(!limit || html.contains(SignificantText(*limit, 4, "it"))) << limit.value_or(0);
    for (const QString &name : RiskCategoryNames)
        EXPECT_TRUE(html.contains("<b>" + name + "</b>")) << name.toStdString();
    EXPECT_TRUE(html.contains("molto basso"));
}
