#include "quantities/Pressure.h"

#include "quantities/Pow10.h"

using qty::p10;

double Pressure::atm2mmHg() const { return 760.0; }
double Pressure::atm2inHg() const { return 29.92; }
double Pressure::atm2bar() const { return 1.0133; }
double Pressure::atm2psi() const { return 14.7; }
double Pressure::atm2psf() const { return atm2psi() * 144.0; }
double Pressure::atm2dpcm2() const { return p10(6) * 1.01325; }
double Pressure::atm2Pa() const { return p10(5) * 1.01325; }
double Pressure::mmHg2atm() const { return mmHg2psi() * psi2atm(); }
double Pressure::mmHg2inHg() const { return 1.0 / 25.4; }
double Pressure::mmHg2bar() const { return mmHg2atm() * atm2bar(); }
double Pressure::mmHg2psi() const { return mmHg2inHg() * inHg2psi(); }
double Pressure::mmHg2psf() const { return mmHg2inHg() * inHg2psi() * psi2psf(); }
double Pressure::mmHg2dpcm2() const { return mmHg2inHg() * inHg2psi() * psi2dpcm2(); }
double Pressure::mmHg2Pa() const { return mmHg2inHg() * inHg2psi() * psi2Pa(); }
double Pressure::inHg2atm() const { return p10(-2) * 3.342; }
double Pressure::inHg2mmHg() const { return 25.4; }
double Pressure::inHg2bar() const { return p10(-2) * 3.388; }
double Pressure::inHg2psi() const { return 0.4912; }
double Pressure::inHg2psf() const { return 70.7328; }
double Pressure::inHg2dpcm2() const { return 33863.86725; }
double Pressure::inHg2Pa() const { return 3386.386725; }
double Pressure::bar2atm() const { return p10(-1) * 9.87; }
double Pressure::bar2mmHg() const { return 750.1; }
double Pressure::bar2inHg() const { return 750.1 / 25.4; }
double Pressure::bar2psi() const { return p10(1) * 1.451; }
double Pressure::bar2psf() const { return bar2psi() * 144.0; }
double Pressure::bar2dpcm2() const { return p10(6); }
double Pressure::bar2Pa() const { return p10(5); }
double Pressure::psi2atm() const { return p10(-2) * 6.804; }
double Pressure::psi2mmHg() const { return 51.7144; }
double Pressure::psi2inHg() const { return 2.036; }
double Pressure::psi2bar() const { return psi2Pa() * Pa2atm() * atm2bar(); }
double Pressure::psi2psf() const { return 144.0; }
double Pressure::psi2dpcm2() const { return 68950.0; }
double Pressure::psi2Pa() const { return 6895.0; }
double Pressure::psf2atm() const { return p10(-4) * 4.725; }
double Pressure::psf2mmHg() const { return p10(-2) * 1.414 * 25.4; }
double Pressure::psf2inHg() const { return p10(-2) * 1.414; }
double Pressure::psf2psi() const { return 1.0 / 144.0; }
double Pressure::psf2bar() const { return p10(-4) * 4.788; }
double Pressure::psf2dpcm2() const { return psf2bar() * bar2dpcm2(); }
double Pressure::psf2Pa() const { return 47.88; }
double Pressure::psf2kgpm2() const { return 4.882; }
double Pressure::dpcm22atm() const { return dpcm22inHg() * inHg2atm(); }
double Pressure::dpcm22mmHg() const { return p10(-4) * 7.501; }
double Pressure::dpcm22inHg() const { return p10(-4) * 7.501 / 25.4; }
double Pressure::dpcm22psi() const { return p10(-5) * 1.45; }
double Pressure::dpcm22psf() const { return dpcm22psi() * 144.0; }
double Pressure::dpcm22bar() const { return dpcm22atm() * atm2bar(); }
double Pressure::dpcm22Pa() const { return dpcm22atm() * atm2Pa(); }
double Pressure::Pa2atm() const { return p10(-6) * 9.869; }
double Pressure::Pa2mmHg() const { return p10(-4) * 2.953 * 25.4; }
double Pressure::Pa2inHg() const { return p10(-4) * 2.953; }
double Pressure::Pa2psi() const { return p10(-4) * 1.45; }
double Pressure::Pa2psf() const { return p10(-2) * 2.089; }
double Pressure::Pa2dpcm2() const { return 10.0; }
double Pressure::Pa2bar() const { return Pa2dpcm2() * dpcm22bar(); }
