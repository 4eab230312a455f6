#pragma once

// Area factors between acres, hectares, cm^2, ft^2 (sqf/sqft), in^2, km^2,
// m^2, mi^2, yd^2 (sqya/sqy) and mm^2.
// Each member returns the multiplier from its first unit to its second.
class Area {
public:
    double acr2sqya() const;
    double acr2sqf() const;
    double acr2ha() const;
    double acr2m2() const;
    double acr2sqmi() const;
    double ha2acr() const;
    double ha2m2() const;
    double ha2sqmi() const;
    double cm22sqf() const;
    double cm22sqi() const;
    double cm22m2() const;
    double cm22mm2() const;
    double sqf2acr() const;
    double sqf2sqi() const;
    double sqf2sqmi() const;
    double sqf2sqya() const;
    double sqi2cm2() const;
    double sqi2sqf() const;
    double sqi2m2() const;
    double km22acr() const;
    double km22sqf() const;
    double km22sqmi() const;
    double m22acr() const;
    double m22ha() const;
    double m22cm2() const;
    double m22sqf() const;
    double m22sqi() const;
    double m22sqmi() const;
    double sqmi2acr() const;
    double sqmi2ha() const;
    double sqmi2sqf() const;
    double sqmi2km2() const;
    double sqmi2m2() const;
    double sqmi2sqy() const;
    double mm22cm2() const;
    double mm22m2() const;
    double km22m2() const;
    double sqft2m2() const;
};
