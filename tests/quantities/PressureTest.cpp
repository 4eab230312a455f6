#include "quantities/Pressure.h"

#include "FactorTable.h"

namespace {

TEST(PressureFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Pressure> rows[] = {
        {"atm2mmHg", &Pressure::atm2mmHg, 760, 759.99989, "units -t 'atm' 'mmHg'"},
        {"atm2inHg", &Pressure::atm2inHg, 29.92, 29.921256, "units -t 'atm' 'inHg'"},
        {"atm2bar", &Pressure::atm2bar, 1.0133, 1.01325, "units -t 'atm' 'bar'"},
        {"atm2psi", &Pressure::atm2psi, 14.7, 14.695949, "units -t 'atm' 'psi'"},
        {"atm2psf", &Pressure::atm2psf, 2116.8, 2116.2166, "units -t 'atm' 'lbf/ft^2'"},
        {"atm2dpcm2", &Pressure::atm2dpcm2, 1013250, 1013250, "units -t 'atm' 'dyne/cm^2'"},
        {"atm2Pa", &Pressure::atm2Pa, 101325, 101325, "units -t 'atm' 'Pa'"},
        {"mmHg2atm", &Pressure::mmHg2atm, 0.001315797165, 0.0013157897, "units -t 'mmHg' 'atm'"},
        {"mmHg2inHg", &Pressure::mmHg2inHg, 0.03937007874, 0.039370079, "units -t 'mmHg' 'inHg'"},
        {"mmHg2bar", &Pressure::mmHg2bar, 0.001333297268, 0.0013332239, "units -t 'mmHg' 'bar'"},
        {"mmHg2psi", &Pressure::mmHg2psi, 0.01933858268, 0.019336777, "units -t 'mmHg' 'psi'"},
        {"mmHg2psf", &Pressure::mmHg2psf, 2.784755906, 2.784496, "units -t 'mmHg' 'lbf/ft^2'"},
        {"mmHg2dpcm2", &Pressure::mmHg2dpcm2, 1333.395276, 1333.2239, "units -t 'mmHg' 'dyne/cm^2'"},
        {"mmHg2Pa", &Pressure::mmHg2Pa, 133.3395276, 133.32239, "units -t 'mmHg' 'Pa'"},
        {"inHg2atm", &Pressure::inHg2atm, 0.03342, 0.033421057, "units -t 'inHg' 'atm'"},
        {"inHg2mmHg", &Pressure::inHg2mmHg, 25.4, 25.4, "units -t 'inHg' 'mmHg'"},
        {"inHg2bar", &Pressure::inHg2bar, 0.03388, 0.033863886, "units -t 'inHg' 'bar'"},
        {"inHg2psi", &Pressure::inHg2psi, 0.4912, 0.49115415, "units -t 'inHg' 'psi'"},
        {"inHg2psf", &Pressure::inHg2psf, 70.7328, 70.726197, "units -t 'inHg' 'lbf/ft^2'"},
        {"inHg2dpcm2", &Pressure::inHg2dpcm2, 33863.86725, 33863.886, "units -t 'inHg' 'dyne/cm^2'"},
        {"inHg2Pa", &Pressure::inHg2Pa, 3386.386725, 3386.3886, "units -t 'inHg' 'Pa'"},
        {"bar2atm", &Pressure::bar2atm, 0.987, 0.98692327, "units -t 'bar' 'atm'"},
        {"bar2mmHg", &Pressure::bar2mmHg, 750.1, 750.06158, "units -t 'bar' 'mmHg'"},
        {"bar2inHg", &Pressure::bar2inHg, 29.53149606, 29.529983, "units -t 'bar' 'inHg'"},
        {"bar2psi", &Pressure::bar2psi, 14.51, 14.503774, "units -t 'bar' 'psi'"},
        {"bar2psf", &Pressure::bar2psf, 2089.44, 2088.5434, "units -t 'bar' 'lbf/ft^2'"},
        {"bar2dpcm2", &Pressure::bar2dpcm2, 1000000, 1000000, "units -t 'bar' 'dyne/cm^2'"},
        {"bar2Pa", &Pressure::bar2Pa, 100000, 100000, "units -t 'bar' 'Pa'"},
        {"psi2atm", &Pressure::psi2atm, 0.06804, 0.068045964, "units -t 'psi' 'atm'"},
        {"psi2mmHg", &Pressure::psi2mmHg, 51.7144, 51.714925, "units -t 'psi' 'mmHg'"},
        {"psi2inHg", &Pressure::psi2inHg, 2.036, 2.0360207, "units -t 'psi' 'inHg'"},
        {"psi2bar", &Pressure::psi2bar, 0.06895177684, 0.068947573, "units -t 'psi' 'bar'"},
        {"psi2psf", &Pressure::psi2psf, 144, 144, "units -t 'psi' 'lbf/ft^2'"},
        {"psi2dpcm2", &Pressure::psi2dpcm2, 68950, 68947.573, "units -t 'psi' 'dyne/cm^2'"},
        {"psi2Pa", &Pressure::psi2Pa, 6895, 6894.7573, "units -t 'psi' 'Pa'"},
        {"psf2atm", &Pressure::psf2atm, 0.0004725, 0.00047254142, "units -t 'lbf/ft^2' 'atm'"},
        {"psf2mmHg", &Pressure::psf2mmHg, 0.359156, 0.35913143, "units -t 'lbf/ft^2' 'mmHg'"},
        {"psf2inHg", &Pressure::psf2inHg, 0.01414, 0.014139032, "units -t 'lbf/ft^2' 'inHg'"},
        {"psf2psi", &Pressure::psf2psi, 0.006944444444, 0.0069444444, "units -t 'lbf/ft^2' 'psi'"},
        {"psf2bar", &Pressure::psf2bar, 0.0004788, 0.00047880259, "units -t 'lbf/ft^2' 'bar'"},
        {"psf2dpcm2", &Pressure::psf2dpcm2, 478.8, 478.80259, "units -t 'lbf/ft^2' 'dyne/cm^2'"},
        {"psf2Pa", &Pressure::psf2Pa, 47.88, 47.880259, "units -t 'lbf/ft^2' 'Pa'"},
        {"psf2kgpm2", &Pressure::psf2kgpm2, 4.882, 4.8824276, "units -t 'lbf/ft^2' 'kgf/m^2'"},
        {"dpcm22atm", &Pressure::dpcm22atm, 0.0000009869425984, 9.8692327e-07, "units -t 'dyne/cm^2' 'atm'"},
        {"dpcm22mmHg", &Pressure::dpcm22mmHg, 0.0007501, 0.00075006158, "units -t 'dyne/cm^2' 'mmHg'"},
        {"dpcm22inHg", &Pressure::dpcm22inHg, 0.00002953149606, 2.9529983e-05, "units -t 'dyne/cm^2' 'inHg'"},
        {"dpcm22psi", &Pressure::dpcm22psi, 0.0000145, 1.4503774e-05, "units -t 'dyne/cm^2' 'psi'"},
        {"dpcm22psf", &Pressure::dpcm22psf, 0.002088, 0.0020885434, "units -t 'dyne/cm^2' 'lbf/ft^2'"},
        {"dpcm22bar", &Pressure::dpcm22bar, 0.000001000068935, 1e-06, "units -t 'dyne/cm^2' 'bar'"},
        {"dpcm22Pa", &Pressure::dpcm22Pa, 0.1000019588, 0.1, "units -t 'dyne/cm^2' 'Pa'"},
        {"Pa2atm", &Pressure::Pa2atm, 0.000009869, 9.8692327e-06, "units -t 'Pa' 'atm'"},
        {"Pa2mmHg", &Pressure::Pa2mmHg, 0.00750062, 0.0075006158, "units -t 'Pa' 'mmHg'"},
        {"Pa2inHg", &Pressure::Pa2inHg, 0.0002953, 0.00029529983, "units -t 'Pa' 'inHg'"},
        {"Pa2psi", &Pressure::Pa2psi, 0.000145, 0.00014503774, "units -t 'Pa' 'psi'"},
        {"Pa2psf", &Pressure::Pa2psf, 0.02089, 0.020885434, "units -t 'Pa' 'lbf/ft^2'"},
        {"Pa2dpcm2", &Pressure::Pa2dpcm2, 10, 10, "units -t 'Pa' 'dyne/cm^2'"},
        {"Pa2bar", &Pressure::Pa2bar, 0.00001000068935, 1e-05, "units -t 'Pa' 'bar'"},
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
