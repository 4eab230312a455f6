#pragma once
#include <cmath>

// Degrees and radians, with pi computed on each call as 4 atan(1).
// Each member returns the multiplier from its first unit to its second.
class Angle {
public:
    double deg2rad() const { return 4.0 * std::atan(1.0) / 180.0; }
    double rad2deg() const { return 180.0 / (4.0 * std::atan(1.0)); }
};
