#include "quantities/Force.h"
#include "quantities/mass.h"

#include "FactorTable.h"

#include <cmath>

namespace {

TEST(massFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<mass> rows[] = {
        {"gr2Kg", &mass::gr2Kg, 0.001, 0.001, "units -t 'g' 'kg'"},
        {"gr2slug", &mass::gr2slug, 0.00006854, 6.8521766e-05, "units -t 'g' 'slug'"},
        {"Kg2gr", &mass::Kg2gr, 1000, 1000, "units -t 'kg' 'g'"},
        {"kg2slug", &mass::kg2slug, 0.06854, 0.068521766, "units -t 'kg' 'slug'"},
        {"slug2gr", &mass::slug2gr, 14590, 14593.903, "units -t 'slug' 'g'"},
        {"slug2kg", &mass::slug2kg, 14.59, 14.593903, "units -t 'slug' 'kg'"},
    };
    expectFactors(rows);
}

TEST(ForceFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Force> rows[] = {
        {"grf2kgf", &Force::grf2kgf, 0.001, 0.001, "units -t 'g*force' 'kgf'"},
        {"grf2N", &Force::grf2N, 0.009807, 0.00980665, "units -t 'g*force' 'N'"},
        {"grf2dyne", &Force::grf2dyne, 980.3921569, 980.665, "units -t 'g*force' 'dyne'"},
        {"grf2lb", &Force::grf2lb, 0.002205, 0.0022046226, "units -t 'g*force' 'lbf'"},
        {"grf2oz", &Force::grf2oz, 0.03528, 0.035273962, "units -t 'g*force' 'oz*force'"},
        {"Kgf2grf", &Force::Kgf2grf, 1000, 1000, "units -t 'kgf' 'g*force'"},
        {"kgf2N", &Force::kgf2N, 9.807, 9.80665, "units -t 'kgf' 'N'"},
        {"kgf2dyne", &Force::kgf2dyne, 980392.1569, 980665, "units -t 'kgf' 'dyne'"},
        {"kgf2lb", &Force::kgf2lb, 2.205, 2.2046226, "units -t 'kgf' 'lbf'"},
        {"kgf2oz", &Force::kgf2oz, 35.28, 35.273962, "units -t 'kgf' 'oz*force'"},
        {"N2kgf", &Force::N2kgf, 0.1019679821, 0.10197162, "units -t 'N' 'kgf'"},
        {"N2grf", &Force::N2grf, 101.9679821, 101.97162, "units -t 'N' 'g*force'"},
        {"N2dyne", &Force::N2dyne, 100000, 100000, "units -t 'N' 'dyne'"},
        {"N2lb", &Force::N2lb, 0.2248394004, 0.22480894, "units -t 'N' 'lbf'"},
        {"N2oz", &Force::N2oz, 3.597430407, 3.5969431, "units -t 'N' 'oz*force'"},
        {"dyne2kgf", &Force::dyne2kgf, 0.000001019679821, 1.0197162e-06, "units -t 'dyne' 'kgf'"},
        {"dyne2grf", &Force::dyne2grf, 0.00102, 0.0010197162, "units -t 'dyne' 'g*force'"},
        {"dyne2N", &Force::dyne2N, 0.00001, 1e-05, "units -t 'dyne' 'N'"},
        {"dyne2lb", &Force::dyne2lb, 0.000002248, 2.2480894e-06, "units -t 'dyne' 'lbf'"},
        {"dyne2oz", &Force::dyne2oz, 0.0000359856, 3.5969431e-05, "units -t 'dyne' 'oz*force'"},
        {"lb2kgf", &Force::lb2kgf, 0.4536, 0.45359237, "units -t 'lbf' 'kgf'"},
        {"lb2grf", &Force::lb2grf, 453.6, 453.59237, "units -t 'lbf' 'g*force'"},
        {"lb2dyne", &Force::lb2dyne, 444845.52, 444822.16, "units -t 'lbf' 'dyne'"},
        {"lb2N", &Force::lb2N, 4.4484552, 4.4482216, "units -t 'lbf' 'N'"},
        {"lb2oz", &Force::lb2oz, 16.003008, 16, "units -t 'lbf' 'oz*force'"},
        {"oz2kgf", &Force::oz2kgf, 0.02835, 0.028349523, "units -t 'oz*force' 'kgf'"},
        {"oz2grf", &Force::oz2grf, 28.35, 28.349523, "units -t 'oz*force' 'g*force'"},
        {"oz2dyne", &Force::oz2dyne, 27802.845, 27801.385, "units -t 'oz*force' 'dyne'"},
        {"oz2lb", &Force::oz2lb, 0.0625, 0.0625, "units -t 'oz*force' 'lbf'"},
        {"oz2N", &Force::oz2N, 0.27802845, 0.27801385, "units -t 'oz*force' 'N'"},
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
