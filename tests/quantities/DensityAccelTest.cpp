#include "quantities/Density.h"
#include "quantities/accel.h"

#include "FactorTable.h"

namespace {

TEST(DensityFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Density> rows[] = {
        {"slugft32Kgm3", &Density::slugft32Kgm3, 515.3555335, 515.37882, "units -t 'slug/ft^3' 'kg/m^3'"},
        {"Kgm32slugft3", &Density::Kgm32slugft3, 0.001940408, 0.0019403203, "units -t 'kg/m^3' 'slug/ft^3'"},
        {"Kgm32grcm3", &Density::Kgm32grcm3, 0.001, 0.001, "units -t 'kg/m^3' 'g/cm^3'"},
        {"Kgm32lbcuin", &Density::Kgm32lbcuin, 0.000036128, 3.6127292e-05, "units -t 'kg/m^3' 'lb/in^3'"},
        {"Kgm32lbcuft", &Density::Kgm32lbcuft, 0.06242976651, 0.062427961, "units -t 'kg/m^3' 'lb/ft^3'"},
        {"gscm32kgm3", &Density::gscm32kgm3, 1000, 1000, "units -t 'g/cm^3' 'kg/m^3'"},
        {"gscm32lbcuin", &Density::gscm32lbcuin, 0.0361281, 0.036127292, "units -t 'g/cm^3' 'lb/in^3'"},
        {"gscm32lbcuft", &Density::gscm32lbcuft, 62.42976651, 62.427961, "units -t 'g/cm^3' 'lb/ft^3'"},
        {"lbcuin2kgm3", &Density::lbcuin2kgm3, 27679.28115, 27679.905, "units -t 'lb/in^3' 'kg/m^3'"},
        {"lbcuin2grcm3", &Density::lbcuin2grcm3, 27.67928, 27.679905, "units -t 'lb/in^3' 'g/cm^3'"},
        {"lbcuin2lbcuft", &Density::lbcuin2lbcuft, 1728.011, 1728, "units -t 'lb/in^3' 'lb/ft^3'"},
        {"lbcuft2kgm3", &Density::lbcuft2kgm3, 16.018, 16.018463, "units -t 'lb/ft^3' 'kg/m^3'"},
        {"lbcuft2grcm3", &Density::lbcuft2grcm3, 0.016018, 0.016018463, "units -t 'lb/ft^3' 'g/cm^3'"},
        {"lbcuft2lbcuin", &Density::lbcuft2lbcuin, 0.0005787, 0.0005787037, "units -t 'lb/ft^3' 'lb/in^3'"},
    };
    expectFactors(rows);
}

TEST(accelFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<accel> rows[] = {
        {"cms22ms2", &accel::cms22ms2, 0.01, 0.01, "units -t 'cm/s^2' 'm/s^2'"},
        {"cms22ins2", &accel::cms22ins2, 0.3937007874, 0.39370079, "units -t 'cm/s^2' 'in/s^2'"},
        {"cms22fps2", &accel::cms22fps2, 0.03280839895, 0.032808399, "units -t 'cm/s^2' 'ft/s^2'"},
        {"ms22cms2", &accel::ms22cms2, 100, 100, "units -t 'm/s^2' 'cm/s^2'"},
        {"ms22ins2", &accel::ms22ins2, 39.37007874, 39.370079, "units -t 'm/s^2' 'in/s^2'"},
        {"ms22fps2", &accel::ms22fps2, 3.280839895, 3.2808399, "units -t 'm/s^2' 'ft/s^2'"},
        {"ins22cms2", &accel::ins22cms2, 2.54, 2.54, "units -t 'in/s^2' 'cm/s^2'"},
        {"ins22ms2", &accel::ins22ms2, 0.0254, 0.0254, "units -t 'in/s^2' 'm/s^2'"},
        {"ins22fps2", &accel::ins22fps2, 0.08333333333, 0.083333333, "units -t 'in/s^2' 'ft/s^2'"},
        {"fps22cms2", &accel::fps22cms2, 30.48, 30.48, "units -t 'ft/s^2' 'cm/s^2'"},
        {"fps22ms2", &accel::fps22ms2, 0.3048, 0.3048, "units -t 'ft/s^2' 'm/s^2'"},
        {"fps22ins2", &accel::fps22ins2, 12, 12, "units -t 'ft/s^2' 'in/s^2'"},
        {"fps22mphs", &accel::fps22mphs, 0.6818, 0.68181818, "units -t 'ft/s^2' 'mph/s'"},
    };
    expectFactors(rows);
}

TEST(DensityFactors, ReciprocalsAreComputed)
{
    const Density d;
    EXPECT_EQ(d.Kgm32lbcuft(), 1 / d.lbcuft2kgm3());
    EXPECT_EQ(d.slugft32Kgm3(), 1 / d.Kgm32slugft3());
    EXPECT_EQ(d.lbcuin2lbcuft(), 1728.011);
}

} // namespace
