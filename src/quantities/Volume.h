#pragma once

// Volume factors between barrels (31.5 US gal), cm^3, ft^3, in^3, m^3,
// yd^3, US gallons (gal/ga), imperial gallons, litres, US pints (pi/Pi),
// quarts, fluid ounces (floz/Floz), cups and US bushels.
// Each member returns the multiplier from its first unit to its second.
class Volume {
public:
    double barrl2gal() const;
    double barrl2m3() const;
    double cm32cuft() const;
    double cm32cuin() const;
    double cm32m3() const;
    double cm32cuyd() const;
    double cm32floz() const;
    double cuft2cm3() const;
    double cuft2cuin() const;
    double cuft2m3() const;
    double cuft2lit() const;
    double cuft2gal() const;
    double cuft2bush() const;
    double cuin2cm3() const;
    double cuin2cuft() const;
    double cuin2m3() const;
    double m32cm3() const;
    double m32cuft() const;
    double m32cuin() const;
    double m32cuya() const;
    double gal2cuft() const;
    double gal2lit() const;
    double gal2m3() const;
    double gal2cuin() const;
    double gal2floz() const;
    double gal2Pi() const;
    double gal2qa() const;
    double impgal22cuin() const;
    double impgal2ga() const;
    double impgal2lit() const;
    double lit2cuft() const;
    double lit2ga() const;
    double lit2m3() const;
    double lit2Pi() const;
    double lit2qa() const;
    double lit2floz() const;
    double pi2cuft() const;
    double pi2ga() const;
    double pi2lit() const;
    double pi2qa() const;
    double pi2cuin() const;
    double pi2floz() const;
    double qa2cuft() const;
    double qa2ga() const;
    double qa2lit() const;
    double qa2Pi() const;
    double cup2Floz() const;
    double cup2gal() const;
};
