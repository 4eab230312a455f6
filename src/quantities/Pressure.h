#pragma once
#include "quantities/Pow10.h"

// Pressure factors between atm, mmHg, inHg, bar, psi, psf, dyn/cm^2 (dpcm2)
// and Pa, plus psf to kgf/m^2. The mmHg, dpcm2 and some bar factors are
// chains of sibling factors, so their last bits follow those chains.
// Each member returns the multiplier from its first unit to its second.
class Pressure {
public:
    constexpr double atm2mmHg() const { return 760.0; }
    constexpr double atm2inHg() const { return 29.92; }
    constexpr double atm2bar() const { return 1.0133; }
    constexpr double atm2psi() const { return 14.7; }
    constexpr double atm2psf() const { return atm2psi() * 144.0; }
    double atm2dpcm2() const { return qty::p10(6) * 1.01325; }
    double atm2Pa() const { return qty::p10(5) * 1.01325; }
    double mmHg2atm() const { return mmHg2psi() * psi2atm(); }
    constexpr double mmHg2inHg() const { return 1.0 / 25.4; }
    double mmHg2bar() const { return mmHg2atm() * atm2bar(); }
    constexpr double mmHg2psi() const { return mmHg2inHg() * inHg2psi(); }
    constexpr double mmHg2psf() const { return mmHg2inHg() * inHg2psi() * psi2psf(); }
    constexpr double mmHg2dpcm2() const { return mmHg2inHg() * inHg2psi() * psi2dpcm2(); }
    constexpr double mmHg2Pa() const { return mmHg2inHg() * inHg2psi() * psi2Pa(); }
    double inHg2atm() const { return qty::p10(-2) * 3.342; }
    constexpr double inHg2mmHg() const { return 25.4; }
    double inHg2bar() const { return qty::p10(-2) * 3.388; }
    constexpr double inHg2psi() const { return 0.4912; }
    constexpr double inHg2psf() const { return 70.7328; }
    constexpr double inHg2dpcm2() const { return 33863.86725; }
    constexpr double inHg2Pa() const { return 3386.386725; }
    double bar2atm() const { return qty::p10(-1) * 9.87; }
    constexpr double bar2mmHg() const { return 750.1; }
    constexpr double bar2inHg() const { return 750.1 / 25.4; }
    double bar2psi() const { return qty::p10(1) * 1.451; }
    double bar2psf() const { return bar2psi() * 144.0; }
    double bar2dpcm2() const { return qty::p10(6); }
    double bar2Pa() const { return qty::p10(5); }
    double psi2atm() const { return qty::p10(-2) * 6.804; }
    constexpr double psi2mmHg() const { return 51.7144; }
    constexpr double psi2inHg() const { return 2.036; }
    double psi2bar() const { return psi2Pa() * Pa2atm() * atm2bar(); }
    constexpr double psi2psf() const { return 144.0; }
    constexpr double psi2dpcm2() const { return 68950.0; }
    constexpr double psi2Pa() const { return 6895.0; }
    double psf2atm() const { return qty::p10(-4) * 4.725; }
    double psf2mmHg() const { return qty::p10(-2) * 1.414 * 25.4; }
    double psf2inHg() const { return qty::p10(-2) * 1.414; }
    constexpr double psf2psi() const { return 1.0 / 144.0; }
    double psf2bar() const { return qty::p10(-4) * 4.788; }
    double psf2dpcm2() const { return psf2bar() * bar2dpcm2(); }
    constexpr double psf2Pa() const { return 47.88; }
    constexpr double psf2kgpm2() const { return 4.882; }
    double dpcm22atm() const { return dpcm22inHg() * inHg2atm(); }
    double dpcm22mmHg() const { return qty::p10(-4) * 7.501; }
    double dpcm22inHg() const { return qty::p10(-4) * 7.501 / 25.4; }
    double dpcm22psi() const { return qty::p10(-5) * 1.45; }
    double dpcm22psf() const { return dpcm22psi() * 144.0; }
    double dpcm22bar() const { return dpcm22atm() * atm2bar(); }
    double dpcm22Pa() const { return dpcm22atm() * atm2Pa(); }
    double Pa2atm() const { return qty::p10(-6) * 9.869; }
    double Pa2mmHg() const { return qty::p10(-4) * 2.953 * 25.4; }
    double Pa2inHg() const { return qty::p10(-4) * 2.953; }
    double Pa2psi() const { return qty::p10(-4) * 1.45; }
    double Pa2psf() const { return qty::p10(-2) * 2.089; }
    constexpr double Pa2dpcm2() const { return 10.0; }
    double Pa2bar() const { return Pa2dpcm2() * dpcm22bar(); }
};
