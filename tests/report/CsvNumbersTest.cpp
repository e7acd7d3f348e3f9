// The CSV's own number writers against printf, which they must match byte for byte: over
// random readings as the meter stores them (floats), random doubles, and the values where a
// shortcut goes wrong (rounding ties, powers of ten, the switch to exponent form).

#include "report/CsvNumbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

// The writer's text of value against printf's with format.
::testing::AssertionResult LikePrintf(char *(*write)(char *, double), const char *format, double value)
{
    char written[64], printed[400];
    const std::string ours(written, write(written, value));
    std::snprintf(printed, sizeof printed, format, value);
    if (ours == printed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << value << ": " << ours << " instead of " << printed;
}

TEST(CsvNumbers, MatchPrintfAtTheEdgesAndForRandomReadingsAndLevels)
{
    std::vector<double> edges = {0.0, -0.0, 1.0, -1.0, 0.1, 0.5, 2.5, 0.125, 0.375, 1.005, 2.675, -2.675, 0.0001,
                                 0.00012345678949, 9.9999999995e-5, 99999.9995, 123456789.0, 999999999.4,
                                 999999999.5, 999999999.6, 1234567890.0, 1e21, 9.99999999e21, 1e22, 1e-13, 1e-14,
                                 5e-324, std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()};
    for (int exponent = -16; exponent <= 24; ++exponent)
        for (const double near : {std::nextafter(std::pow(10.0, exponent), 0.0), std::pow(10.0, exponent),
                                  std::nextafter(std::pow(10.0, exponent), 1e300)})
            edges.insert(edges.end(), {near, -near, near * 0.5, near * 9.999999995});
    // Halves of hundredths and of the ninth significant digit.
    for (int k = -4000; k <= 4000; ++k)
        edges.insert(edges.end(), {k / 8.0, k + 0.005, k * 1e-2 + 5e-3, 1.0 + k * 1e-8 + 5e-9});
    for (const double value : edges) {
        EXPECT_TRUE(LikePrintf(WriteSignificant9, "%.9g", value));
        if (std::fabs(value) < 1e300) {
            EXPECT_TRUE(LikePrintf(WriteFixed2, "%.2f", value));
        }
    }

    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> level(-120.0, 120.0), decades(-14.0, 23.0);
    for (int i = 0; i < 300000; ++i) {
        // Any float the log may hold, finite or not; readings over the decades; levels.
        ASSERT_TRUE(LikePrintf(WriteSignificant9, "%.9g", std::bit_cast<float>(std::uint32_t(random()))));
        ASSERT_TRUE(LikePrintf(WriteSignificant9, "%.9g", std::pow(10.0, decades(random))));
        ASSERT_TRUE(LikePrintf(WriteFixed2, "%.2f", level(random)));
    }
}

} // namespace
