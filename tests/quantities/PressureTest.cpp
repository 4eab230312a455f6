#include "quantities/Pressure.h"

#include "FactorTable.h"

namespace {

TEST(PressureFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Pressure> rows[] = {
        {"atm2mmHg", &Pressure::atm2mmHg, 760},
        {"atm2inHg", &Pressure::atm2inHg, 29.92},
        {"atm2bar", &Pressure::atm2bar, 1.0133},
        {"atm2psi", &Pressure::atm2psi, 14.7},
        {"atm2psf", &Pressure::atm2psf, 2116.8},
        {"atm2dpcm2", &Pressure::atm2dpcm2, 1013250},
        {"atm2Pa", &Pressure::atm2Pa, 101325},
        {"mmHg2atm", &Pressure::mmHg2atm, 0.001315797165},
        {"mmHg2inHg", &Pressure::mmHg2inHg, 0.03937007874},
        {"mmHg2bar", &Pressure::mmHg2bar, 0.001333297268},
        {"mmHg2psi", &Pressure::mmHg2psi, 0.01933858268},
        {"mmHg2psf", &Pressure::mmHg2psf, 2.784755906},
        {"mmHg2dpcm2", &Pressure::mmHg2dpcm2, 1333.395276},
        {"mmHg2Pa", &Pressure::mmHg2Pa, 133.3395276},
        {"inHg2atm", &Pressure::inHg2atm, 0.03342},
        {"inHg2mmHg", &Pressure::inHg2mmHg, 25.4},
        {"inHg2bar", &Pressure::inHg2bar, 0.03388},
        {"inHg2psi", &Pressure::inHg2psi, 0.4912},
        {"inHg2psf", &Pressure::inHg2psf, 70.7328},
        {"inHg2dpcm2", &Pressure::inHg2dpcm2, 33863.86725},
        {"inHg2Pa", &Pressure::inHg2Pa, 3386.386725},
        {"bar2atm", &Pressure::bar2atm, 0.987},
        {"bar2mmHg", &Pressure::bar2mmHg, 750.1},
        {"bar2inHg", &Pressure::bar2inHg, 29.53149606},
        {"bar2psi", &Pressure::bar2psi, 14.51},
        {"bar2psf", &Pressure::bar2psf, 2089.44},
        {"bar2dpcm2", &Pressure::bar2dpcm2, 1000000},
        {"bar2Pa", &Pressure::bar2Pa, 100000},
        {"psi2atm", &Pressure::psi2atm, 0.06804},
        {"psi2mmHg", &Pressure::psi2mmHg, 51.7144},
        {"psi2inHg", &Pressure::psi2inHg, 2.036},
        {"psi2bar", &Pressure::psi2bar, 0.06895177684},
        {"psi2psf", &Pressure::psi2psf, 144},
        {"psi2dpcm2", &Pressure::psi2dpcm2, 68950},
        {"psi2Pa", &Pressure::psi2Pa, 6895},
        {"psf2atm", &Pressure::psf2atm, 0.0004725},
        {"psf2mmHg", &Pressure::psf2mmHg, 0.359156},
        {"psf2inHg", &Pressure::psf2inHg, 0.01414},
        {"psf2psi", &Pressure::psf2psi, 0.006944444444},
        {"psf2bar", &Pressure::psf2bar, 0.0004788},
        {"psf2dpcm2", &Pressure::psf2dpcm2, 478.8},
        {"psf2Pa", &Pressure::psf2Pa, 47.88},
        {"psf2kgpm2", &Pressure::psf2kgpm2, 4.882},
        {"dpcm22atm", &Pressure::dpcm22atm, 0.0000009869425984},
        {"dpcm22mmHg", &Pressure::dpcm22mmHg, 0.0007501},
        {"dpcm22inHg", &Pressure::dpcm22inHg, 0.00002953149606},
        {"dpcm22psi", &Pressure::dpcm22psi, 0.0000145},
        {"dpcm22psf", &Pressure::dpcm22psf, 0.002088},
        {"dpcm22bar", &Pressure::dpcm22bar, 0.000001000068935},
        {"dpcm22Pa", &Pressure::dpcm22Pa, 0.1000019588},
        {"Pa2atm", &Pressure::Pa2atm, 0.000009869},
        {"Pa2mmHg", &Pressure::Pa2mmHg, 0.00750062},
        {"Pa2inHg", &Pressure::Pa2inHg, 0.0002953},
        {"Pa2psi", &Pressure::Pa2psi, 0.000145},
        {"Pa2psf", &Pressure::Pa2psf, 0.02089},
        {"Pa2dpcm2", &Pressure::Pa2dpcm2, 10},
        {"Pa2bar", &Pressure::Pa2bar, 0.00001000068935},
    };
    expectFactors(rows);
}

TEST(PressureFactors, ChainsFollowTheirSiblings)
{
    const Pressure p;
    EXPECT_EQ(p.mmHg2psi(), (1 / 25.4) * 0.4912);
    EXPECT_EQ(p.mmHg2Pa(), (1 / 25.4) * 0.4912 * 6895);
    EXPECT_EQ(p.Pa2bar(), 10 * p.dpcm22bar());
    EXPECT_EQ(p.bar2psf(), p.bar2psi() * 144);
    // Independent literals, not reciprocals of each other.
    EXPECT_NE(p.atm2psi() * p.psi2atm(), 1.0);
}

} // namespace
