#include "quantities/Force.h"
#include "quantities/mass.h"

#include "FactorTable.h"

#include <cmath>

namespace {

TEST(massFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<mass> rows[] = {
        {"gr2Kg", &mass::gr2Kg, 0.001},
        {"gr2slug", &mass::gr2slug, 0.00006854},
        {"Kg2gr", &mass::Kg2gr, 1000},
        {"kg2slug", &mass::kg2slug, 0.06854},
        {"slug2gr", &mass::slug2gr, 14590},
        {"slug2kg", &mass::slug2kg, 14.59},
    };
    expectFactors(rows);
}

TEST(ForceFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Force> rows[] = {
        {"grf2kgf", &Force::grf2kgf, 0.001},
        {"grf2N", &Force::grf2N, 0.009807},
        {"grf2dyne", &Force::grf2dyne, 980.3921569},
        {"grf2lb", &Force::grf2lb, 0.002205},
        {"grf2oz", &Force::grf2oz, 0.03528},
        {"Kgf2grf", &Force::Kgf2grf, 1000},
        {"kgf2N", &Force::kgf2N, 9.807},
        {"kgf2dyne", &Force::kgf2dyne, 980392.1569},
        {"kgf2lb", &Force::kgf2lb, 2.205},
        {"kgf2oz", &Force::kgf2oz, 35.28},
        {"N2kgf", &Force::N2kgf, 0.1019679821},
        {"N2grf", &Force::N2grf, 101.9679821},
        {"N2dyne", &Force::N2dyne, 100000},
        {"N2lb", &Force::N2lb, 0.2248394004},
        {"N2oz", &Force::N2oz, 3.597430407},
        {"dyne2kgf", &Force::dyne2kgf, 0.000001019679821},
        {"dyne2grf", &Force::dyne2grf, 0.00102},
        {"dyne2N", &Force::dyne2N, 0.00001},
        {"dyne2lb", &Force::dyne2lb, 0.000002248},
        {"dyne2oz", &Force::dyne2oz, 0.0000359856},
        {"lb2kgf", &Force::lb2kgf, 0.4536},
        {"lb2grf", &Force::lb2grf, 453.6},
        {"lb2dyne", &Force::lb2dyne, 444845.52},
        {"lb2N", &Force::lb2N, 4.4484552},
        {"lb2oz", &Force::lb2oz, 16.003008},
        {"oz2kgf", &Force::oz2kgf, 0.02835},
        {"oz2grf", &Force::oz2grf, 28.35},
        {"oz2dyne", &Force::oz2dyne, 27802.845},
        {"oz2lb", &Force::oz2lb, 0.0625},
        {"oz2N", &Force::oz2N, 0.27802845},
    };
    expectFactors(rows);
}

TEST(ForceFactors, GramForceAndDyneUseTheirOwnBases)
{
    const Force f;
    EXPECT_NEAR(f.grf2dyne() * f.dyne2grf(), 1.0, 1e-15);
    // lb2dyne rests on 980.7 dyne per gram-force, not 1 / 1.02e-3 = 980.39.
    EXPECT_NEAR(f.lb2dyne() / f.lb2grf(), 980.7, 1e-10);
    EXPECT_EQ(f.lb2oz(), std::pow(10.0, -2) * 1600.3008);
    EXPECT_EQ(f.oz2lb(), 0.0625);
}

} // namespace
