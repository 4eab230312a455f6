#include "quantities/Area.h"

#include "FactorTable.h"

namespace {

TEST(AreaFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Area> rows[] = {
        {"acr2sqya", &Area::acr2sqya, 4840},
        {"acr2sqf", &Area::acr2sqf, 43560},
        {"acr2ha", &Area::acr2ha, 0.4047},
        {"acr2m2", &Area::acr2m2, 4047},
        {"acr2sqmi", &Area::acr2sqmi, 0.0015625},
        {"ha2acr", &Area::ha2acr, 2.471},
        {"ha2m2", &Area::ha2m2, 10000},
        {"ha2sqmi", &Area::ha2sqmi, 0.003861},
        {"cm22sqf", &Area::cm22sqf, 0.001076},
        {"cm22sqi", &Area::cm22sqi, 0.155},
        {"cm22m2", &Area::cm22m2, 0.0001},
        {"cm22mm2", &Area::cm22mm2, 100},
        {"sqf2acr", &Area::sqf2acr, 0.0000229568}, // was 2.26981e-5, 1.1 % off
        {"sqf2sqi", &Area::sqf2sqi, 144},
        {"sqf2sqmi", &Area::sqf2sqmi, 0.00000003587},
        {"sqf2sqya", &Area::sqf2sqya, 0.1111},
        {"sqi2cm2", &Area::sqi2cm2, 6.4516},
        {"sqi2sqf", &Area::sqi2sqf, 0.006944},
        {"sqi2m2", &Area::sqi2m2, 0.0006452},
        {"km22acr", &Area::km22acr, 247.1},
        {"km22sqf", &Area::km22sqf, 10760000},
        {"km22sqmi", &Area::km22sqmi, 0.3861},
        {"m22acr", &Area::m22acr, 0.000247},
        {"m22ha", &Area::m22ha, 0.0001},
        {"m22cm2", &Area::m22cm2, 10000},
        {"m22sqf", &Area::m22sqf, 10.76},
        {"m22sqi", &Area::m22sqi, 1550},
        {"m22sqmi", &Area::m22sqmi, 0.0000003861},
        {"sqmi2acr", &Area::sqmi2acr, 640},
        {"sqmi2ha", &Area::sqmi2ha, 259},
        {"sqmi2sqf", &Area::sqmi2sqf, 27878400}, // was 2.778e7, 0.35 % off
        {"sqmi2km2", &Area::sqmi2km2, 2.59},
        {"sqmi2m2", &Area::sqmi2m2, 2590000},
        {"sqmi2sqy", &Area::sqmi2sqy, 3097600},
        {"mm22cm2", &Area::mm22cm2, 0.01},
        {"mm22m2", &Area::mm22m2, 0.000001},
        {"km22m2", &Area::km22m2, 1000000},
        {"sqft2m2", &Area::sqft2m2, 0.09290304},
    };
    expectFactors(rows);
}

TEST(AreaFactors, CorrectedFactorsMatchTheirExactRelations)
{
    const Area a;
    EXPECT_NEAR(a.sqf2acr() * a.acr2sqf(), 1.0, 1e-5);
    EXPECT_NEAR(a.sqmi2sqf(), 5280.0 * 5280.0, 1.0);
    EXPECT_EQ(a.sqft2m2(), 0.3048 * 0.3048);
}

} // namespace
