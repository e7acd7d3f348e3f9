// The simulator's line layout, which the device and end-to-end tests take for the meter's.

#include "tools/meter-sim/MeterLines.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(MeterSim, MeasurementAndDbmLinesKeepTheMetersLayout)
{
    const std::tuple<double, int, bool, QByteArray> measurements[] = {
        {0.1234, 900, false, "  0.1234  900\r\n"},   {12.5, 0, false, " 12.5000    0\r\n"},
        {1234.5678, 12345, false, "1234.568 9999\r\n"}, {123456.78, 900, false, "123456.8  900\r\n"},
        {1e12, 0, false, "99999999    0\r\n"},       {0.00004, 12345, false, "  0.0000 9999\r\n"},
        {3.25, 0, true, "  3,2500    0\r\n"},
    };
    for (const auto &[value, frequency, decimalComma, line] : measurements)
        EXPECT_EQ(MeasurementLine(value, frequency, decimalComma), line) << value;
    EXPECT_EQ(DbmLine(-23.46), "  -23.5 dBm\r\n");
    EXPECT_EQ(DbmLine(5), "    5.0 dBm\r\n");
}
