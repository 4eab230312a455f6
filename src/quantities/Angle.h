#pragma once

// Degrees and radians, with pi computed on each call as 4 atan(1).
// Each member returns the multiplier from its first unit to its second.
class Angle {
public:
    double deg2rad() const;
    double rad2deg() const;
};
