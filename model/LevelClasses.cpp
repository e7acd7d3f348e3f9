#include "model/LevelClasses.h"

#include <cmath>

namespace {

// The smallest double whose level reaches levelDb. PowerToDB is monotonic, so a step
// from the closed-form estimate to the exact edge takes a few ulps at most.
double SmallestDensityAtLevel(int levelDb)
{
    double s = DBToPower(levelDb);
    while (PowerToDB(s) < levelDb)
        s = std::nextafter(s, INFINITY);
    for (double below = std::nextafter(s, 0.0); PowerToDB(below) >= levelDb; below = std::nextafter(s, 0.0))
        s = below;
    return s;
}

TLevelClassBoundaries ComputeBoundaries()
{
    TLevelClassBoundaries boundaries{};
    for (std::size_t k = 0; k < boundaries.size(); ++k)
        boundaries[k] = SmallestDensityAtLevel(LevelFloorDb + 1 + static_cast<int>(k));
    return boundaries;
}

} // namespace

const TLevelClassBoundaries &LevelClassBoundaries()
{
    static const TLevelClassBoundaries boundaries = ComputeBoundaries();
    return boundaries;
}
