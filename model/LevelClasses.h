#pragma once
// The level histogram class of a power density without taking a logarithm per sample:
// the density is compared with the smallest density of each class, found once so that
// the result equals LevelClassIndex(LevelOf(...)) for every double.

#include "model/Units.h"

#include <array>

using TLevelClassBoundaries = std::array<double, LevelClassCount - 1>;

// Entry k: the smallest density whose PowerToDB is at least k - 32 dB (k = 0 ... 65).
const TLevelClassBoundaries &LevelClassBoundaries();

// The class, 0 ... 66, of a density; 0 for zero, negative and NaN densities.
inline int LevelClassOfDensity(double s)
{
    static const TLevelClassBoundaries &boundaries = LevelClassBoundaries();
    // Branch-free binary search over the 66 boundaries; NaN compares false and stays in class 0.
    int low = 0;
    int length = static_cast<int>(boundaries.size()); // classes above `low` still possible
    while (length > 0) {
        const int half = length / 2;
        const bool above = s >= boundaries[static_cast<std::size_t>(low + half)];
        low = above ? low + half + 1 : low;
        length = above ? length - half - 1 : half;
    }
    return low;
}
