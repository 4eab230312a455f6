#pragma once
#include "quantities/Pow10.h"

// Volume factors between barrels (31.5 US gal), cm^3, ft^3, in^3, m^3,
// yd^3, US gallons (gal/ga), imperial gallons, litres, US pints (pi/Pi),
// quarts, fluid ounces (floz/Floz), cups and US bushels.
// Each member returns the multiplier from its first unit to its second.
class Volume {
public:
    constexpr double barrl2gal() const { return 31.5; }
    constexpr double barrl2m3() const { return 0.1192; }
    double cm32cuft() const { return qty::p10(-5) * 3.531; }
    double cm32cuin() const { return qty::p10(-2) * 6.102; }
    double cm32m3() const { return qty::p10(-6); }
    double cm32cuyd() const { return qty::p10(-6) * 1.308; }
    double cm32floz() const { return qty::p10(-2) * 3.381; }
    double cuft2cm3() const { return qty::p10(4) * 2.832; }
    double cuft2cuin() const { return qty::p10(3) * 1.728; }
    double cuft2m3() const { return qty::p10(-2) * 2.832; }
    constexpr double cuft2lit() const { return 28.317; }
    constexpr double cuft2gal() const { return 7.481; }
    constexpr double cuft2bush() const { return 0.80356; }
    constexpr double cuin2cm3() const { return 16.39; }
    double cuin2cuft() const { return qty::p10(-4) * 5.787; }
    double cuin2m3() const { return qty::p10(-5) * 1.639; }
    double m32cm3() const { return qty::p10(6); }
    constexpr double m32cuft() const { return 35.31; }
    double m32cuin() const { return qty::p10(4) * 6.102; }
    constexpr double m32cuya() const { return 1.308; }
    // 231 in^3 / 1728; an older 0.133868 here was 0.14 % off.
    constexpr double gal2cuft() const { return 0.13368; }
    constexpr double gal2lit() const { return 3.78542; }
    double gal2m3() const { return qty::p10(-3) * 3.78542; }
    constexpr double gal2cuin() const { return 231.0; }
    constexpr double gal2floz() const { return 128.0; }
    constexpr double gal2Pi() const { return 8.0; }
    constexpr double gal2qa() const { return 4.0; }
    constexpr double impgal22cuin() const { return 277.4; }
    constexpr double impgal2ga() const { return 1.201; }
    constexpr double impgal2lit() const { return 4.546; }
    double lit2cuft() const { return qty::p10(-2) * 3.532; }
    constexpr double lit2ga() const { return 0.26417; }
    double lit2m3() const { return qty::p10(-3); }
    // US liquid pints per litre; an older 2.109 here was 0.2 % off.
    constexpr double lit2Pi() const { return 2.1134; }
    constexpr double lit2qa() const { return 1.05669; }
    constexpr double lit2floz() const { return 33.8142; }
    constexpr double pi2cuft() const { return 0.01671; }
    constexpr double pi2ga() const { return 0.125; }
    constexpr double pi2lit() const { return 0.4732; }
    constexpr double pi2qa() const { return 0.5; }
    constexpr double pi2cuin() const { return 28.875; }
    constexpr double pi2floz() const { return 16.0; }
    double qa2cuft() const { return qty::p10(-4) * 334.2; }
    constexpr double qa2ga() const { return 0.25; }
    constexpr double qa2lit() const { return 0.9463; }
    constexpr double qa2Pi() const { return 2.0; }
    constexpr double cup2Floz() const { return 8.0; }
    constexpr double cup2gal() const { return 1.0 / 16.0; }
};
