#pragma once

// Pressure factors between atm, mmHg, inHg, bar, psi, psf, dyn/cm^2 (dpcm2)
// and Pa, plus psf to kgf/m^2. The mmHg, dpcm2 and some bar factors are
// chains of sibling factors, so their last bits follow those chains.
// Each member returns the multiplier from its first unit to its second.
class Pressure {
public:
    double atm2mmHg() const;
    double atm2inHg() const;
    double atm2bar() const;
    double atm2psi() const;
    double atm2psf() const;
    double atm2dpcm2() const;
    double atm2Pa() const;
    double mmHg2atm() const;
    double mmHg2inHg() const;
    double mmHg2bar() const;
    double mmHg2psi() const;
    double mmHg2psf() const;
    double mmHg2dpcm2() const;
    double mmHg2Pa() const;
    double inHg2atm() const;
    double inHg2mmHg() const;
    double inHg2bar() const;
    double inHg2psi() const;
    double inHg2psf() const;
    double inHg2dpcm2() const;
    double inHg2Pa() const;
    double bar2atm() const;
    double bar2mmHg() const;
    double bar2inHg() const;
    double bar2psi() const;
    double bar2psf() const;
    double bar2dpcm2() const;
    double bar2Pa() const;
    double psi2atm() const;
    double psi2mmHg() const;
    double psi2inHg() const;
    double psi2bar() const;
    double psi2psf() const;
    double psi2dpcm2() const;
    double psi2Pa() const;
    double psf2atm() const;
    double psf2mmHg() const;
    double psf2inHg() const;
    double psf2psi() const;
    double psf2bar() const;
    double psf2dpcm2() const;
    double psf2Pa() const;
    double psf2kgpm2() const;
    double dpcm22atm() const;
    double dpcm22mmHg() const;
    double dpcm22inHg() const;
    double dpcm22psi() const;
    double dpcm22psf() const;
    double dpcm22bar() const;
    double dpcm22Pa() const;
    double Pa2atm() const;
    double Pa2mmHg() const;
    double Pa2inHg() const;
    double Pa2psi() const;
    double Pa2psf() const;
    double Pa2dpcm2() const;
    double Pa2bar() const;
};
