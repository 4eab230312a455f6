#pragma once
#include "quantities/Pow10.h"

// Area factors between acres, hectares, cm^2, ft^2 (sqf/sqft), in^2, km^2,
// m^2, mi^2, yd^2 (sqya/sqy) and mm^2.
// Each member returns the multiplier from its first unit to its second.
class Area {
public:
    constexpr double acr2sqya() const { return 4840.0; }
    constexpr double acr2sqf() const { return 4840.0 * 9.0; }
    constexpr double acr2ha() const { return 0.4047; }
    double acr2m2() const { return qty::p10(3) * 4.047; }
    constexpr double acr2sqmi() const { return 1.0 / 640.0; }
    constexpr double ha2acr() const { return 2.471; }
    double ha2m2() const { return qty::p10(4); }
    double ha2sqmi() const { return qty::p10(-3) * 3.861; }
    double cm22sqf() const { return qty::p10(-3) * 1.076; }
    constexpr double cm22sqi() const { return 0.155; }
    double cm22m2() const { return qty::p10(-4); }
    constexpr double cm22mm2() const { return 100.0; }
    // 1 acre = 43560 ft^2 exactly; an older 2.26981 here was 1.1 % off.
    double sqf2acr() const { return qty::p10(-5) * 2.29568; }
    constexpr double sqf2sqi() const { return 144.0; }
    double sqf2sqmi() const { return qty::p10(-8) * 3.587; }
    constexpr double sqf2sqya() const { return 0.1111; }
    constexpr double sqi2cm2() const { return 6.4516; }
    double sqi2sqf() const { return qty::p10(-3) * 6.944; }
    double sqi2m2() const { return qty::p10(-4) * 6.452; }
    constexpr double km22acr() const { return 247.1; }
    double km22sqf() const { return qty::p10(7) * 1.076; }
    constexpr double km22sqmi() const { return 0.3861; }
    double m22acr() const { return qty::p10(-4) * 2.47; }
    double m22ha() const { return qty::p10(-4); }
    double m22cm2() const { return qty::p10(4); }
    constexpr double m22sqf() const { return 10.76; }
    double m22sqi() const { return qty::p10(3) * 1.55; }
    double m22sqmi() const { return qty::p10(-7) * 3.861; }
    constexpr double sqmi2acr() const { return 640.0; }
    constexpr double sqmi2ha() const { return 259.0; }
    // 5280^2 ft^2; an older 2.778 here was 0.35 % off.
    double sqmi2sqf() const { return qty::p10(7) * 2.78784; }
    constexpr double sqmi2km2() const { return 2.59; }
    double sqmi2m2() const { return qty::p10(6) * 2.59; }
    double sqmi2sqy() const { return qty::p10(6) * 3.0976; }
    double mm22cm2() const { return qty::p10(-2); }
    double mm22m2() const { return qty::p10(-6); }
    double km22m2() const { return qty::pw(1000.0, 2); }
    double sqft2m2() const { return qty::pw(0.3048, 2); }
};
