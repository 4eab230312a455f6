#pragma once
#include <cmath>

// Rates of rotation: Hz (revolutions per second), rad/s (rps, rads),
// deg/s and RPM. Factors with pi take it from PI() on each call.
// Each member returns the multiplier from its first unit to its second.
class freq {
public:
    double hz2rps() const { return 2.0 * PI(); }
    constexpr double hz2degps() const { return 360.0; }
    constexpr double hz2RPM() const { return 60.0; }
    constexpr double rads2revs() const { return 0.1592; }
    double rps2Hz() const { return 1.0 / (2.0 * PI()); }
    double rps2degps() const { return 180.0 / PI(); }
    double rps2RPM() const { return (1.0 / (2.0 * PI())) * 60.0; }
    constexpr double degps2Hz() const { return 1.0 / 360.0; }
    double degps2rps() const { return PI() / 180.0; }
    constexpr double degps2RPM() const { return (1.0 / 360.0) * 60.0; }
    constexpr double RPM2Hz() const { return 1.0 / 60.0; }
    double RPM2rps() const { return 2.0 * (1.0 / 60.0) * PI(); }
    constexpr double RPM2degps() const { return (1.0 / 60.0) * 360.0; }

private:
    double PI() const { return 4.0 * std::atan(1.0); }
};
