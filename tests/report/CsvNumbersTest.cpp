// The CSV's own number writers against printf, which they must match byte for byte: over
// random readings as the meter stores them (floats), random doubles, and the values where a
// shortcut goes wrong (rounding ties, powers of ten, the switch to exponent form).

#include "report/CsvNumbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Printf(const char *format, double value)
{
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Written(char *(*write)(char *, double), double value)
{
    char text[64];
    return std::string(text, write(text, value));
}

std::vector<double> EdgeValues()
{
    std::vector<double> values = {0.0, -0.0, 1.0, -1.0, 0.1, 0.5, 2.5, 0.125, 0.375, 1.005, 2.675, -2.675,
                                  0.0001, 0.00012345678949, 9.9999999995e-5, 99999.9995, 123456789.0,
                                  999999999.4, 999999999.5, 999999999.6, 1234567890.0, 1e21, 9.99999999e21,
                                  1e22, 1e-13, 1e-14, 5e-324, std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity()};
    for (int exponent = -16; exponent <= 24; ++exponent) {
        const double power = std::pow(10.0, exponent);
        for (const double near : {std::nextafter(power, 0.0), power, std::nextafter(power, 1e300)})
            values.insert(values.end(), {near, -near, near * 0.5, near * 9.999999995});
    }
    // Halves of hundredths and of the ninth significant digit.
    for (int k = -4000; k <= 4000; ++k)
        values.insert(values.end(), {k / 8.0, k + 0.005, k * 1e-2 + 5e-3, 1.0 + k * 1e-8 + 5e-9});
    return values;
}

TEST(CsvNumbers, MatchPrintfAtTheEdgesAndForRandomReadingsAndLevels)
{
    for (const double value : EdgeValues()) {
        EXPECT_EQ(Written(WriteSignificant9, value), Printf("%.9g", value)) << value;
        if (std::fabs(value) < 1e300) {
            EXPECT_EQ(Written(WriteFixed2, value), Printf("%.2f", value)) << value;
        }
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> level(-120.0, 120.0);
    std::uniform_real_distribution<double> decades(-14.0, 23.0);
    for (int i = 0; i < 300000; ++i) {
        // Any float the log may hold, finite or not.
        const float stored = std::bit_cast<float>(std::uint32_t(random()));
        ASSERT_EQ(Written(WriteSignificant9, stored), Printf("%.9g", stored)) << stored;
        const double reading = std::pow(10.0, decades(random));
        ASSERT_EQ(Written(WriteSignificant9, reading), Printf("%.9g", reading)) << reading;
        const double db = level(random);
        ASSERT_EQ(Written(WriteFixed2, db), Printf("%.2f", db)) << db;
    }
}

} // namespace
