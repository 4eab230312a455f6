#pragma once
#include "quantities/Pow10.h"

// Density factors between kg/m^3 (Kgm3/kgm3), slug/ft^3, g/cm^3 (grcm3 as
// target, gscm3 as source), lb/in^3 and lb/ft^3. Slugs only pair with kg/m^3.
// Each member returns the multiplier from its first unit to its second.
class Density {
public:
    constexpr double slugft32Kgm3() const { return 1.0 / 0.001940408; }
    constexpr double Kgm32slugft3() const { return 0.001940408; }
    constexpr double Kgm32grcm3() const { return 1.0 / 1000.0; }
    double Kgm32lbcuin() const { return qty::p10(-5) * 3.6128; }
    constexpr double Kgm32lbcuft() const { return 1.0 / lbcuft2kgm3(); }
    constexpr double gscm32kgm3() const { return 1000.0; }
    constexpr double gscm32lbcuin() const { return 0.0361281; }
    double gscm32lbcuft() const { return 1.0 / (qty::p10(-2) * 1.6018); }
    constexpr double lbcuin2kgm3() const { return 27679.28115; }
    constexpr double lbcuin2grcm3() const { return 27.67928; }
    constexpr double lbcuin2lbcuft() const { return 1728.011; }
    constexpr double lbcuft2kgm3() const { return 16.018; }
    double lbcuft2grcm3() const { return qty::p10(-2) * 1.6018; }
    double lbcuft2lbcuin() const { return qty::p10(-4) * 5.787; }
};
