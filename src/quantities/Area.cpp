#include "quantities/Area.h"

#include "quantities/Pow10.h"

using qty::p10;
using qty::pw;

double Area::acr2sqya() const { return 4840.0; }
double Area::acr2sqf() const { return 4840.0 * 9.0; }
double Area::acr2ha() const { return 0.4047; }
double Area::acr2m2() const { return p10(3) * 4.047; }
double Area::acr2sqmi() const { return 1.0 / 640.0; }
double Area::ha2acr() const { return 2.471; }
double Area::ha2m2() const { return p10(4); }
double Area::ha2sqmi() const { return p10(-3) * 3.861; }
double Area::cm22sqf() const { return p10(-3) * 1.076; }
double Area::cm22sqi() const { return 0.155; }
double Area::cm22m2() const { return p10(-4); }
double Area::cm22mm2() const { return 100.0; }
// 1 acre = 43560 ft^2 exactly; an older 2.26981 here was 1.1 % off.
double Area::sqf2acr() const { return p10(-5) * 2.29568; }
double Area::sqf2sqi() const { return 144.0; }
double Area::sqf2sqmi() const { return p10(-8) * 3.587; }
double Area::sqf2sqya() const { return 0.1111; }
double Area::sqi2cm2() const { return 6.4516; }
double Area::sqi2sqf() const { return p10(-3) * 6.944; }
double Area::sqi2m2() const { return p10(-4) * 6.452; }
double Area::km22acr() const { return 247.1; }
double Area::km22sqf() const { return p10(7) * 1.076; }
double Area::km22sqmi() const { return 0.3861; }
double Area::m22acr() const { return p10(-4) * 2.47; }
double Area::m22ha() const { return p10(-4); }
double Area::m22cm2() const { return p10(4); }
double Area::m22sqf() const { return 10.76; }
double Area::m22sqi() const { return p10(3) * 1.55; }
double Area::m22sqmi() const { return p10(-7) * 3.861; }
double Area::sqmi2acr() const { return 640.0; }
double Area::sqmi2ha() const { return 259.0; }
// 5280^2 ft^2; an older 2.778 here was 0.35 % off.
double Area::sqmi2sqf() const { return p10(7) * 2.78784; }
double Area::sqmi2km2() const { return 2.59; }
double Area::sqmi2m2() const { return p10(6) * 2.59; }
double Area::sqmi2sqy() const { return p10(6) * 3.0976; }
double Area::mm22cm2() const { return p10(-2); }
double Area::mm22m2() const { return p10(-6); }
double Area::km22m2() const { return pw(1000.0, 2); }
double Area::sqft2m2() const { return pw(0.3048, 2); }
