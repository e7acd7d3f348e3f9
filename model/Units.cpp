#include "model/Units.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

double PowerToDB(double x)
{
    constexpr double smallest = std::numeric_limits<double>::denorm_min();
    constexpr double largest = std::numeric_limits<double>::max();
    if (!(x >= smallest))
        x = smallest;
    else if (x > largest)
        x = largest;
    return static_cast<double>(10.0L * std::log10(static_cast<long double>(x)));
}

double FieldToDensity(double e)
{
    return e * e / 0.37673;
}

double DensityOf(std::uint8_t unit, double value)
{
    if (!(value > 0.0))
        return 0.0;
    return unit == UnitVm ? FieldToDensity(value) : value;
}

double RoundHalfEven(double x)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(x);
}

int DensityToRiskBase(double s)
{
    return LevelToRiskBase(PowerToDB(s));
}

int LevelToRiskBase(double powerDb)
{
    constexpr double floorDb = -99.0;
    return static_cast<int>(RoundHalfEven(std::max(powerDb + 30.0, floorDb)));
}

double DBToPower(double l)
{
    return static_cast<double>(std::pow(10.0L, static_cast<long double>(l) / 10.0L));
}

float ApplyCorrection(float raw, std::uint8_t unit, int correctionDb)
{
    // A NaN reading has no value: it counts as 0, so it cannot spread into statistics and files.
    if (std::isnan(raw))
        return 0.0f;
    long double factor = 1.0L;
    switch (correctionDb) {
    case 3: factor = unit == UnitVm ? 1.4142L : 2.0L; break;
    case 6: factor = unit == UnitVm ? 2.0L : 4.0L; break;
    default: break;
    }
    const long double corrected = std::clamp(raw * factor, static_cast<long double>(-FLT_MAX),
                                             static_cast<long double>(FLT_MAX));
    return static_cast<float>(corrected);
}

double LevelOf(std::uint8_t unit, double value)
{
    return std::clamp(PowerToDB(DensityOf(unit, value)), static_cast<double>(LevelFloorDb),
                      static_cast<double>(LevelCeilingDb));
}

int LevelClassIndex(double level)
{
    if (!(level >= LevelFloorDb))
        return 0;
    if (level >= LevelCeilingDb)
        return LevelClassCount - 1;
    return static_cast<int>(std::floor(level)) - LevelFloorDb;
}
