// The risk limits printed in the help documents, checked against the program's own risk
// evaluation on both sides of every limit.

#include "tools/doc-gen/RiskTableHtml.h"
#include "tools/doc-gen/RiskThresholds.h"

#include "model/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RiskThresholds, EveryUpperLimitIsTheLastReadingOfItsCategoryInBothUnits)
{
    const auto above = [](double value) { return std::nextafter(value, std::numeric_limits<double>::infinity()); };
    for (const TRiskColumn &column : ComputeRiskThresholds()) {
        for (int category = 0; category + 1 < RiskCategoryCount; ++category) {
            const TRiskBand &band = column.Bands[category], &next = column.Bands[category + 1];
            SCOPED_TRACE(testing::Message() << "population " << int(column.Population) << " state " << int(column.State)
                                            << " category " << category);
            ASSERT_TRUE(band.DensityUpTo && band.FieldUpTo);
            for (const auto &[unit, limit] : {std::pair{UnitMWm2, *band.DensityUpTo}, std::pair{UnitVm, *band.FieldUpTo}}) {
                EXPECT_EQ(RiskCategoryOf(unit, limit, column.Population, column.State), category);
                EXPECT_EQ(RiskCategoryOf(unit, above(limit), column.Population, column.State), category + 1);
            }
            // The limit of one category is where the next one begins.
            EXPECT_TRUE(next.DensityAbove == band.DensityUpTo && next.FieldAbove == band.FieldUpTo);
        }
        EXPECT_FALSE(column.Bands.front().DensityAbove || column.Bands.back().DensityUpTo);
    }
}

TEST(RiskTableText, NumbersHaveFourSignificantFiguresInTheDocumentsLanguage)
{
    EXPECT_EQ(SignificantText(0.00112202, 4, "fr"), "0,001122");
    EXPECT_EQ(SignificantText(1122.02, 4, "it"), "1122"); // no group separator
    EXPECT_EQ(SignificantText(9.99961, 4, "en"), "10.00"); // the carry adds a figure
    EXPECT_EQ(SignificantText(-0.5, 4, "en"), "\u22120.5000");
    EXPECT_THROW(SignificantText(1.0, 4, "de"), std::invalid_argument);
}
