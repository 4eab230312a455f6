#pragma once

// Force factors between gram-force, kilogram-force (kgf/Kgf), newtons,
// dynes, pound-force (lb) and ounce-force (oz). Standard gravity is 9.807;
// lb2dyne and oz2dyne use 980.7 dyne per gram-force, grf2dyne 1/1.02e-3.
// Each member returns the multiplier from its first unit to its second.
class Force {
public:
    double grf2kgf() const;
    double grf2N() const;
    double grf2dyne() const;
    double grf2lb() const;
    double grf2oz() const;
    double Kgf2grf() const;
    double kgf2N() const;
    double kgf2dyne() const;
    double kgf2lb() const;
    double kgf2oz() const;
    double N2kgf() const;
    double N2grf() const;
    double N2dyne() const;
    double N2lb() const;
    double N2oz() const;
    double dyne2kgf() const;
    double dyne2grf() const;
    double dyne2N() const;
    double dyne2lb() const;
    double dyne2oz() const;
    double lb2kgf() const;
    double lb2grf() const;
    double lb2dyne() const;
    double lb2N() const;
    double lb2oz() const;
    double oz2kgf() const;
    double oz2grf() const;
    double oz2dyne() const;
    double oz2lb() const;
    double oz2N() const;
};
