#include "quantities/Area.h"

#include "FactorTable.h"

namespace {

TEST(AreaFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Area> rows[] = {
        {"acr2sqya", &Area::acr2sqya, 4840, 4840, "units -t 'acre' 'yd^2'"},
        {"acr2sqf", &Area::acr2sqf, 43560, 43560, "units -t 'acre' 'ft^2'"},
        {"acr2ha", &Area::acr2ha, 0.4047, 0.40468564, "units -t 'acre' 'hectare'"},
        {"acr2m2", &Area::acr2m2, 4047, 4046.8564, "units -t 'acre' 'm^2'"},
        {"acr2sqmi", &Area::acr2sqmi, 0.0015625, 0.0015625, "units -t 'acre' 'mi^2'"},
        {"ha2acr", &Area::ha2acr, 2.471, 2.4710538, "units -t 'hectare' 'acre'"},
        {"ha2m2", &Area::ha2m2, 10000, 10000, "units -t 'hectare' 'm^2'"},
        {"ha2sqmi", &Area::ha2sqmi, 0.003861, 0.0038610216, "units -t 'hectare' 'mi^2'"},
        {"cm22sqf", &Area::cm22sqf, 0.001076, 0.001076391, "units -t 'cm^2' 'ft^2'"},
        {"cm22sqi", &Area::cm22sqi, 0.155, 0.15500031, "units -t 'cm^2' 'in^2'"},
        {"cm22m2", &Area::cm22m2, 0.0001, 0.0001, "units -t 'cm^2' 'm^2'"},
        {"cm22mm2", &Area::cm22mm2, 100, 100, "units -t 'cm^2' 'mm^2'"},
        {"sqf2acr", &Area::sqf2acr, 0.0000229568, 2.2956841e-05, "units -t 'ft^2' 'acre'"}, // was 2.26981e-5, 1.1 % off
        {"sqf2sqi", &Area::sqf2sqi, 144, 144, "units -t 'ft^2' 'in^2'"},
        {"sqf2sqmi", &Area::sqf2sqmi, 0.00000003587, 3.5870064e-08, "units -t 'ft^2' 'mi^2'"},
        {"sqf2sqya", &Area::sqf2sqya, 0.1111, 0.11111111, "units -t 'ft^2' 'yd^2'"},
        {"sqi2cm2", &Area::sqi2cm2, 6.4516, 6.4516, "units -t 'in^2' 'cm^2'"},
        {"sqi2sqf", &Area::sqi2sqf, 0.006944, 0.0069444444, "units -t 'in^2' 'ft^2'"},
        {"sqi2m2", &Area::sqi2m2, 0.0006452, 0.00064516, "units -t 'in^2' 'm^2'"},
        {"km22acr", &Area::km22acr, 247.1, 247.10538, "units -t 'km^2' 'acre'"},
        {"km22sqf", &Area::km22sqf, 10760000, 10763910, "units -t 'km^2' 'ft^2'"},
        {"km22sqmi", &Area::km22sqmi, 0.3861, 0.38610216, "units -t 'km^2' 'mi^2'"},
        {"m22acr", &Area::m22acr, 0.000247, 0.00024710538, "units -t 'm^2' 'acre'"},
        {"m22ha", &Area::m22ha, 0.0001, 0.0001, "units -t 'm^2' 'hectare'"},
        {"m22cm2", &Area::m22cm2, 10000, 10000, "units -t 'm^2' 'cm^2'"},
        {"m22sqf", &Area::m22sqf, 10.76, 10.76391, "units -t 'm^2' 'ft^2'"},
        {"m22sqi", &Area::m22sqi, 1550, 1550.0031, "units -t 'm^2' 'in^2'"},
        {"m22sqmi", &Area::m22sqmi, 0.0000003861, 3.8610216e-07, "units -t 'm^2' 'mi^2'"},
        {"sqmi2acr", &Area::sqmi2acr, 640, 640, "units -t 'mi^2' 'acre'"},
        {"sqmi2ha", &Area::sqmi2ha, 259, 258.99881, "units -t 'mi^2' 'hectare'"},
        {"sqmi2sqf", &Area::sqmi2sqf, 27878400, 27878400, "units -t 'mi^2' 'ft^2'"}, // was 2.778e7, 0.35 % off
        {"sqmi2km2", &Area::sqmi2km2, 2.59, 2.5899881, "units -t 'mi^2' 'km^2'"},
        {"sqmi2m2", &Area::sqmi2m2, 2590000, 2589988.1, "units -t 'mi^2' 'm^2'"},
        {"sqmi2sqy", &Area::sqmi2sqy, 3097600, 3097600, "units -t 'mi^2' 'yd^2'"},
        {"mm22cm2", &Area::mm22cm2, 0.01, 0.01, "units -t 'mm^2' 'cm^2'"},
        {"mm22m2", &Area::mm22m2, 0.000001, 1e-06, "units -t 'mm^2' 'm^2'"},
        {"km22m2", &Area::km22m2, 1000000, 1000000, "units -t 'km^2' 'm^2'"},
        {"sqft2m2", &Area::sqft2m2, 0.09290304, 0.09290304, "units -t 'ft^2' 'm^2'"},
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
