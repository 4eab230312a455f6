#include "quantities/Density.h"
#include "quantities/accel.h"

#include "FactorTable.h"

namespace {

TEST(DensityFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Density> rows[] = {
        {"slugft32Kgm3", &Density::slugft32Kgm3, 515.3555335},
        {"Kgm32slugft3", &Density::Kgm32slugft3, 0.001940408},
        {"Kgm32grcm3", &Density::Kgm32grcm3, 0.001},
        {"Kgm32lbcuin", &Density::Kgm32lbcuin, 0.000036128},
        {"Kgm32lbcuft", &Density::Kgm32lbcuft, 0.06242976651},
        {"gscm32kgm3", &Density::gscm32kgm3, 1000},
        {"gscm32lbcuin", &Density::gscm32lbcuin, 0.0361281},
        {"gscm32lbcuft", &Density::gscm32lbcuft, 62.42976651},
        {"lbcuin2kgm3", &Density::lbcuin2kgm3, 27679.28115},
        {"lbcuin2grcm3", &Density::lbcuin2grcm3, 27.67928},
        {"lbcuin2lbcuft", &Density::lbcuin2lbcuft, 1728.011},
        {"lbcuft2kgm3", &Density::lbcuft2kgm3, 16.018},
        {"lbcuft2grcm3", &Density::lbcuft2grcm3, 0.016018},
        {"lbcuft2lbcuin", &Density::lbcuft2lbcuin, 0.0005787},
    };
    expectFactors(rows);
}

TEST(accelFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<accel> rows[] = {
        {"cms22ms2", &accel::cms22ms2, 0.01},
        {"cms22ins2", &accel::cms22ins2, 0.3937007874},
        {"cms22fps2", &accel::cms22fps2, 0.03280839895},
        {"ms22cms2", &accel::ms22cms2, 100},
        {"ms22ins2", &accel::ms22ins2, 39.37007874},
        {"ms22fps2", &accel::ms22fps2, 3.280839895},
        {"ins22cms2", &accel::ins22cms2, 2.54},
        {"ins22ms2", &accel::ins22ms2, 0.0254},
        {"ins22fps2", &accel::ins22fps2, 0.08333333333},
        {"fps22cms2", &accel::fps22cms2, 30.48},
        {"fps22ms2", &accel::fps22ms2, 0.3048},
        {"fps22ins2", &accel::fps22ins2, 12},
        {"fps22mphs", &accel::fps22mphs, 0.6818},
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
