#pragma once
#include "quantities/Pow10.h"

// Power factors between watts, horsepower, Btu per minute and calories per
// second.
// Each member returns the multiplier from its first unit to its second.
class Power {
public:
    double W2Hp() const { return qty::p10(-3) * 1.341; }
    double W2Btupm() const { return qty::p10(-2) * 5.689; }
    constexpr double W2calpsec() const { return 0.2388; }
    constexpr double Hp2W() const { return 745.7; }
    constexpr double Hp2Btupm() const { return 42.42; }
    constexpr double Hp2calpsec() const { return Hp2W() * W2calpsec(); }
    constexpr double Btupm2W() const { return 17.58; }
    double Btupm2Hp() const { return qty::p10(-2) * 2.357; }
    // Through watts, as Hp2calpsec does for horsepower.
    constexpr double Btupm2calpsec() const { return Btupm2W() * W2calpsec(); }
    constexpr double calpsec2W() const { return 1.0 / W2calpsec(); }
    constexpr double calpsec2Hp() const { return 1.0 / Hp2calpsec(); }
    constexpr double calpsec2Btupm() const { return 1.0 / Btupm2calpsec(); }
};
