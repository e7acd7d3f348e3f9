#include "model/LevelClasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

// The comparison with precomputed boundaries must give the class of the logarithm exactly.
TEST(LevelClasses, EqualTheClassOfTheLogarithm)
{
    const auto byLogarithm = [](std::uint8_t unit, double value) { return LevelClassIndex(LevelOf(unit, value)); };
    for (const double boundary : LevelClassBoundaries()) {
        double s = std::nextafter(std::nextafter(boundary, 0.0), 0.0);
        for (int step = 0; step < 5; ++step, s = std::nextafter(s, INFINITY))
            ASSERT_EQ(LevelClassOfDensity(s), byLogarithm(UnitMWm2, s)) << s;
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-5.0, 5.0);
    for (int i = 0; i < 100000; ++i) {
        const double value = static_cast<float>(std::pow(10.0, exponent(random)));
        ASSERT_EQ(LevelClassOfDensity(DensityOf(UnitVm, value)), byLogarithm(UnitVm, value)) << value;
        ASSERT_EQ(LevelClassOfDensity(DensityOf(UnitMWm2, value)), byLogarithm(UnitMWm2, value)) << value;
    }
    EXPECT_EQ(LevelClassOfDensity(std::nan("")), 0);
    EXPECT_EQ(LevelClassOfDensity(INFINITY), 66);
}
