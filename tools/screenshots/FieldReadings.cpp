#include "tools/screenshots/FieldReadings.h"

#include "model/Units.h"

#include <cmath>
#include <iterator>
#include <numbers>

TFieldReadings::TFieldReadings(const TFieldShape &shape)
    : Shape(shape), Random(shape.Seed), Scatter(0.0, shape.SpreadDb)
{
}

TFieldReading TFieldReadings::Next(std::uint8_t unit)
{
    // The bands a home or a street is full of: mobile, DECT, Wi-Fi.
    static const std::uint16_t bands[] = {2450, 1880, 900, 1800, 5200, 2100, 800, 3500};
    const double swell = Shape.SwellDb * std::sin(2 * std::numbers::pi * double(Index) / Shape.SwellPeriod);
    const double fieldStrength = Shape.MedianVm * std::pow(10.0, (swell + Scatter(Random)) / 20.0);
    std::uint16_t frequency = 0;
    if (Shape.FrequencyEvery > 0 && Index % std::uint64_t(Shape.FrequencyEvery) == 0)
        frequency = bands[std::uniform_int_distribution<std::size_t>(0, std::size(bands) - 1)(Random)];
    ++Index;
    return {unit == UnitVm ? fieldStrength : DensityOf(UnitVm, fieldStrength), frequency};
}
