#pragma once
#include "quantities/Pow10.h"

// Force factors between gram-force, kilogram-force (kgf/Kgf), newtons,
// dynes, pound-force (lb) and ounce-force (oz). Standard gravity is 9.807;
// lb2dyne and oz2dyne use 980.7 dyne per gram-force, grf2dyne 1/1.02e-3.
// Each member returns the multiplier from its first unit to its second.
class Force {
public:
    double grf2kgf() const { return qty::p10(-3); }
    double grf2N() const { return qty::p10(-3) * 9.807; }
    double grf2dyne() const { return 1.0 / (qty::p10(-3) * 1.02); }
    double grf2lb() const { return qty::p10(-3) * 2.205; }
    double grf2oz() const { return qty::p10(-2) * 3.528; }
    constexpr double Kgf2grf() const { return 1000.0; }
    constexpr double kgf2N() const { return 9.807; }
    double kgf2dyne() const { return 1000.0 / (qty::p10(-3) * 1.02); }
    constexpr double kgf2lb() const { return 2.205; }
    constexpr double kgf2oz() const { return 35.28; }
    constexpr double N2kgf() const { return 1.0 / 9.807; }
    double N2grf() const { return qty::p10(3) / 9.807; }
    double N2dyne() const { return qty::p10(5); }
    constexpr double N2lb() const { return 2.205 / 9.807; }
    constexpr double N2oz() const { return 35.28 / 9.807; }
    double dyne2kgf() const { return qty::p10(-5) / 9.807; }
    double dyne2grf() const { return qty::p10(-3) * 1.02; }
    double dyne2N() const { return qty::p10(-5); }
    double dyne2lb() const { return qty::p10(-6) * 2.248; }
    double dyne2oz() const { return qty::p10(-2) * (qty::p10(-3) * 1.02 * 3.528); }
    constexpr double lb2kgf() const { return 0.4536; }
    double lb2grf() const { return qty::p10(3) * 0.4536; }
    double lb2dyne() const { return qty::p10(3) * 0.4536 * 980.7; }
    constexpr double lb2N() const { return 0.4536 * 9.807; }
    double lb2oz() const { return qty::p10(-2) * 1600.3008; }
    constexpr double oz2kgf() const { return (1.0 / 16.0) * 0.4536; }
    constexpr double oz2grf() const { return (1.0 / 16.0) * 0.4536 * 1000.0; }
    constexpr double oz2dyne() const { return (1.0 / 16.0) * 0.4536 * 1000.0 * 980.7; }
    constexpr double oz2lb() const { return 1.0 / 16.0; }
    constexpr double oz2N() const { return (1.0 / 16.0) * 0.4536 * 9.807; }
};
