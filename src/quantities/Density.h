#pragma once

// Density factors between kg/m^3 (Kgm3/kgm3), slug/ft^3, g/cm^3 (grcm3 as
// target, gscm3 as source), lb/in^3 and lb/ft^3. Slugs only pair with kg/m^3.
// Each member returns the multiplier from its first unit to its second.
class Density {
public:
    double slugft32Kgm3() const;
    double Kgm32slugft3() const;
    double Kgm32grcm3() const;
    double Kgm32lbcuin() const;
    double Kgm32lbcuft() const;
    double gscm32kgm3() const;
    double gscm32lbcuin() const;
    double gscm32lbcuft() const;
    double lbcuin2kgm3() const;
    double lbcuin2grcm3() const;
    double lbcuin2lbcuft() const;
    double lbcuft2kgm3() const;
    double lbcuft2grcm3() const;
    double lbcuft2lbcuin() const;
};
