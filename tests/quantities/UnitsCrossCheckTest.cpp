// Every factor against GNU units 2.22 (Debian package "units"). The true
// values were produced once by the command quoted in each row; they are
// data here, units is not run by the tests. Hz is read as revolutions per
// second, Btu as the IT Btu, cal as calorie_IT, gallon and pint as US liquid
// measures, the barrel as 31.5 US gallons and the bushel as the US bushel.
#include "quantities/accel.h"
#include "quantities/Angle.h"
#include "quantities/Area.h"
#include "quantities/Density.h"
#include "quantities/Force.h"
#include "quantities/freq.h"
#include "quantities/Length.h"
#include "quantities/mass.h"
#include "quantities/Power.h"
#include "quantities/Pressure.h"
#include "quantities/Time.h"
#include "quantities/torque.h"
#include "quantities/Velocity.h"
#include "quantities/Volume.h"
#include "quantities/Work.h"

#include "FactorTable.h"

namespace {

TEST(UnitsCrossCheck, Length)
{
    const TrueFactor<Length> rows[] = {
        {"kt2ft", &Length::kt2ft, 1.6878099, "units -t 'knot' 'ft/s'"},
        {"kt2mph", &Length::kt2mph, 1.1507794, "units -t 'knot' 'mph'"},
        {"kt2kmh", &Length::kt2kmh, 1.852, "units -t 'knot' 'km/hr'"},
        {"cm2ft", &Length::cm2ft, 0.032808399, "units -t 'cm' 'ft'"},
        {"cm2in", &Length::cm2in, 0.39370079, "units -t 'cm' 'in'"},
        {"cm2km", &Length::cm2km, 1e-05, "units -t 'cm' 'km'"},
        {"cm2m", &Length::cm2m, 0.01, "units -t 'cm' 'm'"},
        {"cm2yd", &Length::cm2yd, 0.010936133, "units -t 'cm' 'yd'"},
        {"mm2yd", &Length::mm2yd, 0.0010936133, "units -t 'mm' 'yd'"},
        {"ft2cm", &Length::ft2cm, 30.48, "units -t 'ft' 'cm'"},
        {"ft2m", &Length::ft2m, 0.3048, "units -t 'ft' 'm'"},
        {"ft2km", &Length::ft2km, 0.0003048, "units -t 'ft' 'km'"},
        {"ft2in", &Length::ft2in, 12, "units -t 'ft' 'in'"},
        {"ft2mi", &Length::ft2mi, 0.00018939394, "units -t 'ft' 'mi'"},
        {"ft2ya", &Length::ft2ya, 0.33333333, "units -t 'ft' 'yd'"},
        {"in2cm", &Length::in2cm, 2.54, "units -t 'in' 'cm'"},
        {"in2ft", &Length::in2ft, 0.083333333, "units -t 'in' 'ft'"},
        {"in2m", &Length::in2m, 0.0254, "units -t 'in' 'm'"},
        {"in2ya", &Length::in2ya, 0.027777778, "units -t 'in' 'yd'"},
        {"in2mils", &Length::in2mils, 1000, "units -t 'in' 'mil'"},
        {"m2cm", &Length::m2cm, 100, "units -t 'm' 'cm'"},
        {"m2ft", &Length::m2ft, 3.2808399, "units -t 'm' 'ft'"},
        {"m2in", &Length::m2in, 39.370079, "units -t 'm' 'in'"},
        {"m2km", &Length::m2km, 0.001, "units -t 'm' 'km'"},
        {"m2mi", &Length::m2mi, 0.00062137119, "units -t 'm' 'mi'"},
        {"m2ya", &Length::m2ya, 1.0936133, "units -t 'm' 'yd'"},
        {"mi2ft", &Length::mi2ft, 5280, "units -t 'mi' 'ft'"},
        {"mi2km", &Length::mi2km, 1.609344, "units -t 'mi' 'km'"},
        {"mi2ya", &Length::mi2ya, 1760, "units -t 'mi' 'yd'"},
        {"mi2naumi", &Length::mi2naumi, 0.86897624, "units -t 'mi' 'nmi'"},
        {"naumi2ft", &Length::naumi2ft, 6076.1155, "units -t 'nmi' 'ft'"},
        {"naumi2m", &Length::naumi2m, 1852, "units -t 'nmi' 'm'"},
        {"naumi2mi", &Length::naumi2mi, 1.1507794, "units -t 'nmi' 'mi'"},
        {"ya2cm", &Length::ya2cm, 91.44, "units -t 'yd' 'cm'"},
        {"ya2ft", &Length::ya2ft, 3, "units -t 'yd' 'ft'"},
        {"ya2in", &Length::ya2in, 36, "units -t 'yd' 'in'"},
        {"ya2m", &Length::ya2m, 0.9144, "units -t 'yd' 'm'"},
        {"ya2mi", &Length::ya2mi, 0.00056818182, "units -t 'yd' 'mi'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Velocity)
{
    const TrueFactor<Velocity> rows[] = {
        {"fps2mms", &Velocity::fps2mms, 304.8, "units -t 'ft/s' 'mm/s'"},
        {"fps2cms", &Velocity::fps2cms, 30.48, "units -t 'ft/s' 'cm/s'"},
        {"fps2ms", &Velocity::fps2ms, 0.3048, "units -t 'ft/s' 'm/s'"},
        {"fps2inps", &Velocity::fps2inps, 12, "units -t 'ft/s' 'in/s'"},
        {"fps2kmh", &Velocity::fps2kmh, 1.09728, "units -t 'ft/s' 'km/hr'"},
        {"fps2kt", &Velocity::fps2kt, 0.5924838, "units -t 'ft/s' 'knot'"},
        {"fps2mph", &Velocity::fps2mph, 0.68181818, "units -t 'ft/s' 'mph'"},
        {"mms2cms", &Velocity::mms2cms, 0.1, "units -t 'mm/s' 'cm/s'"},
        {"mms2ms", &Velocity::mms2ms, 0.001, "units -t 'mm/s' 'm/s'"},
        {"mms2kmh", &Velocity::mms2kmh, 0.0036, "units -t 'mm/s' 'km/hr'"},
        {"mms2inps", &Velocity::mms2inps, 0.039370079, "units -t 'mm/s' 'in/s'"},
        {"mms2fps", &Velocity::mms2fps, 0.0032808399, "units -t 'mm/s' 'ft/s'"},
        {"mms2mph", &Velocity::mms2mph, 0.0022369363, "units -t 'mm/s' 'mph'"},
        {"mms2kt", &Velocity::mms2kt, 0.0019438445, "units -t 'mm/s' 'knot'"},
        {"cms2mms", &Velocity::cms2mms, 10, "units -t 'cm/s' 'mm/s'"},
        {"cms2ms", &Velocity::cms2ms, 0.01, "units -t 'cm/s' 'm/s'"},
        {"cms2fps", &Velocity::cms2fps, 0.032808399, "units -t 'cm/s' 'ft/s'"},
        {"cms2inps", &Velocity::cms2inps, 0.39370079, "units -t 'cm/s' 'in/s'"},
        {"cms2kmh", &Velocity::cms2kmh, 0.036, "units -t 'cm/s' 'km/hr'"},
        {"cms2mph", &Velocity::cms2mph, 0.022369363, "units -t 'cm/s' 'mph'"},
        {"cms2kt", &Velocity::cms2kt, 0.019438445, "units -t 'cm/s' 'knot'"},
        {"ins2mph", &Velocity::ins2mph, 0.056818182, "units -t 'in/s' 'mph'"},
        {"ins2kt", &Velocity::ins2kt, 0.04937365, "units -t 'in/s' 'knot'"},
        {"ins2ms", &Velocity::ins2ms, 0.0254, "units -t 'in/s' 'm/s'"},
        {"ins2fps", &Velocity::ins2fps, 0.083333333, "units -t 'in/s' 'ft/s'"},
        {"ins2kph", &Velocity::ins2kph, 0.09144, "units -t 'in/s' 'km/hr'"},
        {"ins2mms", &Velocity::ins2mms, 25.4, "units -t 'in/s' 'mm/s'"},
        {"ins2cms", &Velocity::ins2cms, 2.54, "units -t 'in/s' 'cm/s'"},
        {"kmh2mms", &Velocity::kmh2mms, 277.77778, "units -t 'km/hr' 'mm/s'"},
        {"kmh2cms", &Velocity::kmh2cms, 27.777778, "units -t 'km/hr' 'cm/s'"},
        {"kmh2ms", &Velocity::kmh2ms, 0.27777778, "units -t 'km/hr' 'm/s'"},
        {"kmh2inps", &Velocity::kmh2inps, 10.936133, "units -t 'km/hr' 'in/s'"},
        {"kmh2fps", &Velocity::kmh2fps, 0.91134442, "units -t 'km/hr' 'ft/s'"},
        {"kmh2kt", &Velocity::kmh2kt, 0.5399568, "units -t 'km/hr' 'knot'"},
        {"kmh2mph", &Velocity::kmh2mph, 0.62137119, "units -t 'km/hr' 'mph'"},
        {"kt2mms", &Velocity::kt2mms, 514.44444, "units -t 'knot' 'mm/s'"},
        {"kt2cms", &Velocity::kt2cms, 51.444444, "units -t 'knot' 'cm/s'"},
        {"kt2ms", &Velocity::kt2ms, 0.51444444, "units -t 'knot' 'm/s'"},
        {"kt2inps", &Velocity::kt2inps, 20.253718, "units -t 'knot' 'in/s'"},
        {"kt2fps", &Velocity::kt2fps, 1.6878099, "units -t 'knot' 'ft/s'"},
        {"kt2mph", &Velocity::kt2mph, 1.1507794, "units -t 'knot' 'mph'"},
        {"kt2naumh", &Velocity::kt2naumh, 1, "units -t 'knot' 'nmi/hr'"},
        {"kt2kmh", &Velocity::kt2kmh, 1.852, "units -t 'knot' 'km/hr'"},
        {"ms2mms", &Velocity::ms2mms, 1000, "units -t 'm/s' 'mm/s'"},
        {"ms2cms", &Velocity::ms2cms, 100, "units -t 'm/s' 'cm/s'"},
        {"ms2fps", &Velocity::ms2fps, 3.2808399, "units -t 'm/s' 'ft/s'"},
        {"ms2kmh", &Velocity::ms2kmh, 3.6, "units -t 'm/s' 'km/hr'"},
        {"ms2inps", &Velocity::ms2inps, 39.370079, "units -t 'm/s' 'in/s'"},
        {"ms2kt", &Velocity::ms2kt, 1.9438445, "units -t 'm/s' 'knot'"},
        {"ms2mph", &Velocity::ms2mph, 2.2369363, "units -t 'm/s' 'mph'"},
        {"mph2mms", &Velocity::mph2mms, 447.04, "units -t 'mph' 'mm/s'"},
        {"mph2cms", &Velocity::mph2cms, 44.704, "units -t 'mph' 'cm/s'"},
        {"mph2ms", &Velocity::mph2ms, 0.44704, "units -t 'mph' 'm/s'"},
        {"mph2fps", &Velocity::mph2fps, 1.4666667, "units -t 'mph' 'ft/s'"},
        {"mph2inps", &Velocity::mph2inps, 17.6, "units -t 'mph' 'in/s'"},
        {"mph2kmh", &Velocity::mph2kmh, 1.609344, "units -t 'mph' 'km/hr'"},
        {"mph2kt", &Velocity::mph2kt, 0.86897624, "units -t 'mph' 'knot'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Area)
{
    const TrueFactor<Area> rows[] = {
        {"acr2sqya", &Area::acr2sqya, 4840, "units -t 'acre' 'yd^2'"},
        {"acr2sqf", &Area::acr2sqf, 43560, "units -t 'acre' 'ft^2'"},
        {"acr2ha", &Area::acr2ha, 0.40468564, "units -t 'acre' 'hectare'"},
        {"acr2m2", &Area::acr2m2, 4046.8564, "units -t 'acre' 'm^2'"},
        {"acr2sqmi", &Area::acr2sqmi, 0.0015625, "units -t 'acre' 'mi^2'"},
        {"ha2acr", &Area::ha2acr, 2.4710538, "units -t 'hectare' 'acre'"},
        {"ha2m2", &Area::ha2m2, 10000, "units -t 'hectare' 'm^2'"},
        {"ha2sqmi", &Area::ha2sqmi, 0.0038610216, "units -t 'hectare' 'mi^2'"},
        {"cm22sqf", &Area::cm22sqf, 0.001076391, "units -t 'cm^2' 'ft^2'"},
        {"cm22sqi", &Area::cm22sqi, 0.15500031, "units -t 'cm^2' 'in^2'"},
        {"cm22m2", &Area::cm22m2, 0.0001, "units -t 'cm^2' 'm^2'"},
        {"cm22mm2", &Area::cm22mm2, 100, "units -t 'cm^2' 'mm^2'"},
        {"sqf2acr", &Area::sqf2acr, 2.2956841e-05, "units -t 'ft^2' 'acre'"},
        {"sqf2sqi", &Area::sqf2sqi, 144, "units -t 'ft^2' 'in^2'"},
        {"sqf2sqmi", &Area::sqf2sqmi, 3.5870064e-08, "units -t 'ft^2' 'mi^2'"},
        {"sqf2sqya", &Area::sqf2sqya, 0.11111111, "units -t 'ft^2' 'yd^2'"},
        {"sqi2cm2", &Area::sqi2cm2, 6.4516, "units -t 'in^2' 'cm^2'"},
        {"sqi2sqf", &Area::sqi2sqf, 0.0069444444, "units -t 'in^2' 'ft^2'"},
        {"sqi2m2", &Area::sqi2m2, 0.00064516, "units -t 'in^2' 'm^2'"},
        {"km22acr", &Area::km22acr, 247.10538, "units -t 'km^2' 'acre'"},
        {"km22sqf", &Area::km22sqf, 10763910, "units -t 'km^2' 'ft^2'"},
        {"km22sqmi", &Area::km22sqmi, 0.38610216, "units -t 'km^2' 'mi^2'"},
        {"m22acr", &Area::m22acr, 0.00024710538, "units -t 'm^2' 'acre'"},
        {"m22ha", &Area::m22ha, 0.0001, "units -t 'm^2' 'hectare'"},
        {"m22cm2", &Area::m22cm2, 10000, "units -t 'm^2' 'cm^2'"},
        {"m22sqf", &Area::m22sqf, 10.76391, "units -t 'm^2' 'ft^2'"},
        {"m22sqi", &Area::m22sqi, 1550.0031, "units -t 'm^2' 'in^2'"},
        {"m22sqmi", &Area::m22sqmi, 3.8610216e-07, "units -t 'm^2' 'mi^2'"},
        {"sqmi2acr", &Area::sqmi2acr, 640, "units -t 'mi^2' 'acre'"},
        {"sqmi2ha", &Area::sqmi2ha, 258.99881, "units -t 'mi^2' 'hectare'"},
        {"sqmi2sqf", &Area::sqmi2sqf, 27878400, "units -t 'mi^2' 'ft^2'"},
        {"sqmi2km2", &Area::sqmi2km2, 2.5899881, "units -t 'mi^2' 'km^2'"},
        {"sqmi2m2", &Area::sqmi2m2, 2589988.1, "units -t 'mi^2' 'm^2'"},
        {"sqmi2sqy", &Area::sqmi2sqy, 3097600, "units -t 'mi^2' 'yd^2'"},
        {"mm22cm2", &Area::mm22cm2, 0.01, "units -t 'mm^2' 'cm^2'"},
        {"mm22m2", &Area::mm22m2, 1e-06, "units -t 'mm^2' 'm^2'"},
        {"km22m2", &Area::km22m2, 1000000, "units -t 'km^2' 'm^2'"},
        {"sqft2m2", &Area::sqft2m2, 0.09290304, "units -t 'ft^2' 'm^2'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Volume)
{
    const TrueFactor<Volume> rows[] = {
        {"barrl2gal", &Volume::barrl2gal, 31.5, "units -t 'liquidbarrel' 'gallon'"},
        {"barrl2m3", &Volume::barrl2m3, 0.11924047, "units -t 'liquidbarrel' 'm^3'"},
        {"cm32cuft", &Volume::cm32cuft, 3.5314667e-05, "units -t 'cm^3' 'ft^3'"},
        {"cm32cuin", &Volume::cm32cuin, 0.061023744, "units -t 'cm^3' 'in^3'"},
        {"cm32m3", &Volume::cm32m3, 1e-06, "units -t 'cm^3' 'm^3'"},
        {"cm32cuyd", &Volume::cm32cuyd, 1.3079506e-06, "units -t 'cm^3' 'yd^3'"},
        {"cm32floz", &Volume::cm32floz, 0.033814023, "units -t 'cm^3' 'floz'"},
        {"cuft2cm3", &Volume::cuft2cm3, 28316.847, "units -t 'ft^3' 'cm^3'"},
        {"cuft2cuin", &Volume::cuft2cuin, 1728, "units -t 'ft^3' 'in^3'"},
        {"cuft2m3", &Volume::cuft2m3, 0.028316847, "units -t 'ft^3' 'm^3'"},
        {"cuft2lit", &Volume::cuft2lit, 28.316847, "units -t 'ft^3' 'l'"},
        {"cuft2gal", &Volume::cuft2gal, 7.4805195, "units -t 'ft^3' 'gallon'"},
        {"cuft2bush", &Volume::cuft2bush, 0.80356395, "units -t 'ft^3' 'usbushel'"},
        {"cuin2cm3", &Volume::cuin2cm3, 16.387064, "units -t 'in^3' 'cm^3'"},
        {"cuin2cuft", &Volume::cuin2cuft, 0.0005787037, "units -t 'in^3' 'ft^3'"},
        {"cuin2m3", &Volume::cuin2m3, 1.6387064e-05, "units -t 'in^3' 'm^3'"},
        {"m32cm3", &Volume::m32cm3, 1000000, "units -t 'm^3' 'cm^3'"},
        {"m32cuft", &Volume::m32cuft, 35.314667, "units -t 'm^3' 'ft^3'"},
        {"m32cuin", &Volume::m32cuin, 61023.744, "units -t 'm^3' 'in^3'"},
        {"m32cuya", &Volume::m32cuya, 1.3079506, "units -t 'm^3' 'yd^3'"},
        {"gal2cuft", &Volume::gal2cuft, 0.13368056, "units -t 'gallon' 'ft^3'"},
        {"gal2lit", &Volume::gal2lit, 3.7854118, "units -t 'gallon' 'l'"},
        {"gal2m3", &Volume::gal2m3, 0.0037854118, "units -t 'gallon' 'm^3'"},
        {"gal2cuin", &Volume::gal2cuin, 231, "units -t 'gallon' 'in^3'"},
        {"gal2floz", &Volume::gal2floz, 128, "units -t 'gallon' 'floz'"},
        {"gal2Pi", &Volume::gal2Pi, 8, "units -t 'gallon' 'pint'"},
        {"gal2qa", &Volume::gal2qa, 4, "units -t 'gallon' 'quart'"},
        {"impgal22cuin", &Volume::impgal22cuin, 277.41943, "units -t 'brgallon' 'in^3'"},
        {"impgal2ga", &Volume::impgal2ga, 1.2009499, "units -t 'brgallon' 'gallon'"},
        {"impgal2lit", &Volume::impgal2lit, 4.54609, "units -t 'brgallon' 'l'"},
        {"lit2cuft", &Volume::lit2cuft, 0.035314667, "units -t 'l' 'ft^3'"},
        {"lit2ga", &Volume::lit2ga, 0.26417205, "units -t 'l' 'gallon'"},
        {"lit2m3", &Volume::lit2m3, 0.001, "units -t 'l' 'm^3'"},
        {"lit2Pi", &Volume::lit2Pi, 2.1133764, "units -t 'l' 'pint'"},
        {"lit2qa", &Volume::lit2qa, 1.0566882, "units -t 'l' 'quart'"},
        {"lit2floz", &Volume::lit2floz, 33.814023, "units -t 'l' 'floz'"},
        {"pi2cuft", &Volume::pi2cuft, 0.016710069, "units -t 'pint' 'ft^3'"},
        {"pi2ga", &Volume::pi2ga, 0.125, "units -t 'pint' 'gallon'"},
        {"pi2lit", &Volume::pi2lit, 0.47317647, "units -t 'pint' 'l'"},
        {"pi2qa", &Volume::pi2qa, 0.5, "units -t 'pint' 'quart'"},
        {"pi2cuin", &Volume::pi2cuin, 28.875, "units -t 'pint' 'in^3'"},
        {"pi2floz", &Volume::pi2floz, 16, "units -t 'pint' 'floz'"},
        {"qa2cuft", &Volume::qa2cuft, 0.033420139, "units -t 'quart' 'ft^3'"},
        {"qa2ga", &Volume::qa2ga, 0.25, "units -t 'quart' 'gallon'"},
        {"qa2lit", &Volume::qa2lit, 0.94635295, "units -t 'quart' 'l'"},
        {"qa2Pi", &Volume::qa2Pi, 2, "units -t 'quart' 'pint'"},
        {"cup2Floz", &Volume::cup2Floz, 8, "units -t 'cup' 'floz'"},
        {"cup2gal", &Volume::cup2gal, 0.0625, "units -t 'cup' 'gallon'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Mass)
{
    const TrueFactor<mass> rows[] = {
        {"gr2Kg", &mass::gr2Kg, 0.001, "units -t 'g' 'kg'"},
        {"gr2slug", &mass::gr2slug, 6.8521766e-05, "units -t 'g' 'slug'"},
        {"Kg2gr", &mass::Kg2gr, 1000, "units -t 'kg' 'g'"},
        {"kg2slug", &mass::kg2slug, 0.068521766, "units -t 'kg' 'slug'"},
        {"slug2gr", &mass::slug2gr, 14593.903, "units -t 'slug' 'g'"},
        {"slug2kg", &mass::slug2kg, 14.593903, "units -t 'slug' 'kg'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Force)
{
    const TrueFactor<Force> rows[] = {
        {"grf2kgf", &Force::grf2kgf, 0.001, "units -t 'g*force' 'kgf'"},
        {"grf2N", &Force::grf2N, 0.00980665, "units -t 'g*force' 'N'"},
        {"grf2dyne", &Force::grf2dyne, 980.665, "units -t 'g*force' 'dyne'"},
        {"grf2lb", &Force::grf2lb, 0.0022046226, "units -t 'g*force' 'lbf'"},
        {"grf2oz", &Force::grf2oz, 0.035273962, "units -t 'g*force' 'oz*force'"},
        {"Kgf2grf", &Force::Kgf2grf, 1000, "units -t 'kgf' 'g*force'"},
        {"kgf2N", &Force::kgf2N, 9.80665, "units -t 'kgf' 'N'"},
        {"kgf2dyne", &Force::kgf2dyne, 980665, "units -t 'kgf' 'dyne'"},
        {"kgf2lb", &Force::kgf2lb, 2.2046226, "units -t 'kgf' 'lbf'"},
        {"kgf2oz", &Force::kgf2oz, 35.273962, "units -t 'kgf' 'oz*force'"},
        {"N2kgf", &Force::N2kgf, 0.10197162, "units -t 'N' 'kgf'"},
        {"N2grf", &Force::N2grf, 101.97162, "units -t 'N' 'g*force'"},
        {"N2dyne", &Force::N2dyne, 100000, "units -t 'N' 'dyne'"},
        {"N2lb", &Force::N2lb, 0.22480894, "units -t 'N' 'lbf'"},
        {"N2oz", &Force::N2oz, 3.5969431, "units -t 'N' 'oz*force'"},
        {"dyne2kgf", &Force::dyne2kgf, 1.0197162e-06, "units -t 'dyne' 'kgf'"},
        {"dyne2grf", &Force::dyne2grf, 0.0010197162, "units -t 'dyne' 'g*force'"},
        {"dyne2N", &Force::dyne2N, 1e-05, "units -t 'dyne' 'N'"},
        {"dyne2lb", &Force::dyne2lb, 2.2480894e-06, "units -t 'dyne' 'lbf'"},
        {"dyne2oz", &Force::dyne2oz, 3.5969431e-05, "units -t 'dyne' 'oz*force'"},
        {"lb2kgf", &Force::lb2kgf, 0.45359237, "units -t 'lbf' 'kgf'"},
        {"lb2grf", &Force::lb2grf, 453.59237, "units -t 'lbf' 'g*force'"},
        {"lb2dyne", &Force::lb2dyne, 444822.16, "units -t 'lbf' 'dyne'"},
        {"lb2N", &Force::lb2N, 4.4482216, "units -t 'lbf' 'N'"},
        {"lb2oz", &Force::lb2oz, 16, "units -t 'lbf' 'oz*force'"},
        {"oz2kgf", &Force::oz2kgf, 0.028349523, "units -t 'oz*force' 'kgf'"},
        {"oz2grf", &Force::oz2grf, 28.349523, "units -t 'oz*force' 'g*force'"},
        {"oz2dyne", &Force::oz2dyne, 27801.385, "units -t 'oz*force' 'dyne'"},
        {"oz2lb", &Force::oz2lb, 0.0625, "units -t 'oz*force' 'lbf'"},
        {"oz2N", &Force::oz2N, 0.27801385, "units -t 'oz*force' 'N'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Freq)
{
    const TrueFactor<freq> rows[] = {
        {"hz2rps", &freq::hz2rps, 6.2831853, "units -t 'rev/s' 'radian/s'"},
        {"hz2degps", &freq::hz2degps, 360, "units -t 'rev/s' 'deg/s'"},
        {"hz2RPM", &freq::hz2RPM, 60, "units -t 'rev/s' 'rpm'"},
        {"rads2revs", &freq::rads2revs, 0.15915494, "units -t 'radian/s' 'rev/s'"},
        {"rps2Hz", &freq::rps2Hz, 0.15915494, "units -t 'radian/s' 'rev/s'"},
        {"rps2degps", &freq::rps2degps, 57.29578, "units -t 'radian/s' 'deg/s'"},
        {"rps2RPM", &freq::rps2RPM, 9.5492966, "units -t 'radian/s' 'rpm'"},
        {"degps2Hz", &freq::degps2Hz, 0.0027777778, "units -t 'deg/s' 'rev/s'"},
        {"degps2rps", &freq::degps2rps, 0.017453293, "units -t 'deg/s' 'radian/s'"},
        {"degps2RPM", &freq::degps2RPM, 0.16666667, "units -t 'deg/s' 'rpm'"},
        {"RPM2Hz", &freq::RPM2Hz, 0.016666667, "units -t 'rpm' 'rev/s'"},
        {"RPM2rps", &freq::RPM2rps, 0.10471976, "units -t 'rpm' 'radian/s'"},
        {"RPM2degps", &freq::RPM2degps, 6, "units -t 'rpm' 'deg/s'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Time)
{
    const TrueFactor<Time> rows[] = {
        {"day2hour", &Time::day2hour, 24, "units -t 'day' 'hr'"},
        {"day2min", &Time::day2min, 1440, "units -t 'day' 'min'"},
        {"day2sec", &Time::day2sec, 86400, "units -t 'day' 's'"},
        {"day2msec", &Time::day2msec, 86400000, "units -t 'day' 'ms'"},
        {"hour2day", &Time::hour2day, 0.041666667, "units -t 'hr' 'day'"},
        {"hour2min", &Time::hour2min, 60, "units -t 'hr' 'min'"},
        {"hour2sec", &Time::hour2sec, 3600, "units -t 'hr' 's'"},
        {"hour2msec", &Time::hour2msec, 3600000, "units -t 'hr' 'ms'"},
        {"min2day", &Time::min2day, 0.00069444444, "units -t 'min' 'day'"},
        {"min2hour", &Time::min2hour, 0.016666667, "units -t 'min' 'hr'"},
        {"min2sec", &Time::min2sec, 60, "units -t 'min' 's'"},
        {"min2msec", &Time::min2msec, 60000, "units -t 'min' 'ms'"},
        {"sec2day", &Time::sec2day, 1.1574074e-05, "units -t 's' 'day'"},
        {"sec2hour", &Time::sec2hour, 0.00027777778, "units -t 's' 'hr'"},
        {"sec2min", &Time::sec2min, 0.016666667, "units -t 's' 'min'"},
        {"sec2msec", &Time::sec2msec, 1000, "units -t 's' 'ms'"},
        {"msec2day", &Time::msec2day, 1.1574074e-08, "units -t 'ms' 'day'"},
        {"msec2hour", &Time::msec2hour, 2.7777778e-07, "units -t 'ms' 'hr'"},
        {"msec2min", &Time::msec2min, 1.6666667e-05, "units -t 'ms' 'min'"},
        {"msec2sec", &Time::msec2sec, 0.001, "units -t 'ms' 's'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Angle)
{
    const TrueFactor<Angle> rows[] = {
        {"deg2rad", &Angle::deg2rad, 0.017453293, "units -t 'degree' 'radian'"},
        {"rad2deg", &Angle::rad2deg, 57.29578, "units -t 'radian' 'degree'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Density)
{
    const TrueFactor<Density> rows[] = {
        {"slugft32Kgm3", &Density::slugft32Kgm3, 515.37882, "units -t 'slug/ft^3' 'kg/m^3'"},
        {"Kgm32slugft3", &Density::Kgm32slugft3, 0.0019403203, "units -t 'kg/m^3' 'slug/ft^3'"},
        {"Kgm32grcm3", &Density::Kgm32grcm3, 0.001, "units -t 'kg/m^3' 'g/cm^3'"},
        {"Kgm32lbcuin", &Density::Kgm32lbcuin, 3.6127292e-05, "units -t 'kg/m^3' 'lb/in^3'"},
        {"Kgm32lbcuft", &Density::Kgm32lbcuft, 0.062427961, "units -t 'kg/m^3' 'lb/ft^3'"},
        {"gscm32kgm3", &Density::gscm32kgm3, 1000, "units -t 'g/cm^3' 'kg/m^3'"},
        {"gscm32lbcuin", &Density::gscm32lbcuin, 0.036127292, "units -t 'g/cm^3' 'lb/in^3'"},
        {"gscm32lbcuft", &Density::gscm32lbcuft, 62.427961, "units -t 'g/cm^3' 'lb/ft^3'"},
        {"lbcuin2kgm3", &Density::lbcuin2kgm3, 27679.905, "units -t 'lb/in^3' 'kg/m^3'"},
        {"lbcuin2grcm3", &Density::lbcuin2grcm3, 27.679905, "units -t 'lb/in^3' 'g/cm^3'"},
        {"lbcuin2lbcuft", &Density::lbcuin2lbcuft, 1728, "units -t 'lb/in^3' 'lb/ft^3'"},
        {"lbcuft2kgm3", &Density::lbcuft2kgm3, 16.018463, "units -t 'lb/ft^3' 'kg/m^3'"},
        {"lbcuft2grcm3", &Density::lbcuft2grcm3, 0.016018463, "units -t 'lb/ft^3' 'g/cm^3'"},
        {"lbcuft2lbcuin", &Density::lbcuft2lbcuin, 0.0005787037, "units -t 'lb/ft^3' 'lb/in^3'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Accel)
{
    const TrueFactor<accel> rows[] = {
        {"cms22ms2", &accel::cms22ms2, 0.01, "units -t 'cm/s^2' 'm/s^2'"},
        {"cms22ins2", &accel::cms22ins2, 0.39370079, "units -t 'cm/s^2' 'in/s^2'"},
        {"cms22fps2", &accel::cms22fps2, 0.032808399, "units -t 'cm/s^2' 'ft/s^2'"},
        {"ms22cms2", &accel::ms22cms2, 100, "units -t 'm/s^2' 'cm/s^2'"},
        {"ms22ins2", &accel::ms22ins2, 39.370079, "units -t 'm/s^2' 'in/s^2'"},
        {"ms22fps2", &accel::ms22fps2, 3.2808399, "units -t 'm/s^2' 'ft/s^2'"},
        {"ins22cms2", &accel::ins22cms2, 2.54, "units -t 'in/s^2' 'cm/s^2'"},
        {"ins22ms2", &accel::ins22ms2, 0.0254, "units -t 'in/s^2' 'm/s^2'"},
        {"ins22fps2", &accel::ins22fps2, 0.083333333, "units -t 'in/s^2' 'ft/s^2'"},
        {"fps22cms2", &accel::fps22cms2, 30.48, "units -t 'ft/s^2' 'cm/s^2'"},
        {"fps22ms2", &accel::fps22ms2, 0.3048, "units -t 'ft/s^2' 'm/s^2'"},
        {"fps22ins2", &accel::fps22ins2, 12, "units -t 'ft/s^2' 'in/s^2'"},
        {"fps22mphs", &accel::fps22mphs, 0.68181818, "units -t 'ft/s^2' 'mph/s'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Pressure)
{
    const TrueFactor<Pressure> rows[] = {
        {"atm2mmHg", &Pressure::atm2mmHg, 759.99989, "units -t 'atm' 'mmHg'"},
        {"atm2inHg", &Pressure::atm2inHg, 29.921256, "units -t 'atm' 'inHg'"},
        {"atm2bar", &Pressure::atm2bar, 1.01325, "units -t 'atm' 'bar'"},
        {"atm2psi", &Pressure::atm2psi, 14.695949, "units -t 'atm' 'psi'"},
        {"atm2psf", &Pressure::atm2psf, 2116.2166, "units -t 'atm' 'lbf/ft^2'"},
        {"atm2dpcm2", &Pressure::atm2dpcm2, 1013250, "units -t 'atm' 'dyne/cm^2'"},
        {"atm2Pa", &Pressure::atm2Pa, 101325, "units -t 'atm' 'Pa'"},
        {"mmHg2atm", &Pressure::mmHg2atm, 0.0013157897, "units -t 'mmHg' 'atm'"},
        {"mmHg2inHg", &Pressure::mmHg2inHg, 0.039370079, "units -t 'mmHg' 'inHg'"},
        {"mmHg2bar", &Pressure::mmHg2bar, 0.0013332239, "units -t 'mmHg' 'bar'"},
        {"mmHg2psi", &Pressure::mmHg2psi, 0.019336777, "units -t 'mmHg' 'psi'"},
        {"mmHg2psf", &Pressure::mmHg2psf, 2.784496, "units -t 'mmHg' 'lbf/ft^2'"},
        {"mmHg2dpcm2", &Pressure::mmHg2dpcm2, 1333.2239, "units -t 'mmHg' 'dyne/cm^2'"},
        {"mmHg2Pa", &Pressure::mmHg2Pa, 133.32239, "units -t 'mmHg' 'Pa'"},
        {"inHg2atm", &Pressure::inHg2atm, 0.033421057, "units -t 'inHg' 'atm'"},
        {"inHg2mmHg", &Pressure::inHg2mmHg, 25.4, "units -t 'inHg' 'mmHg'"},
        {"inHg2bar", &Pressure::inHg2bar, 0.033863886, "units -t 'inHg' 'bar'"},
        {"inHg2psi", &Pressure::inHg2psi, 0.49115415, "units -t 'inHg' 'psi'"},
        {"inHg2psf", &Pressure::inHg2psf, 70.726197, "units -t 'inHg' 'lbf/ft^2'"},
        {"inHg2dpcm2", &Pressure::inHg2dpcm2, 33863.886, "units -t 'inHg' 'dyne/cm^2'"},
        {"inHg2Pa", &Pressure::inHg2Pa, 3386.3886, "units -t 'inHg' 'Pa'"},
        {"bar2atm", &Pressure::bar2atm, 0.98692327, "units -t 'bar' 'atm'"},
        {"bar2mmHg", &Pressure::bar2mmHg, 750.06158, "units -t 'bar' 'mmHg'"},
        {"bar2inHg", &Pressure::bar2inHg, 29.529983, "units -t 'bar' 'inHg'"},
        {"bar2psi", &Pressure::bar2psi, 14.503774, "units -t 'bar' 'psi'"},
        {"bar2psf", &Pressure::bar2psf, 2088.5434, "units -t 'bar' 'lbf/ft^2'"},
        {"bar2dpcm2", &Pressure::bar2dpcm2, 1000000, "units -t 'bar' 'dyne/cm^2'"},
        {"bar2Pa", &Pressure::bar2Pa, 100000, "units -t 'bar' 'Pa'"},
        {"psi2atm", &Pressure::psi2atm, 0.068045964, "units -t 'psi' 'atm'"},
        {"psi2mmHg", &Pressure::psi2mmHg, 51.714925, "units -t 'psi' 'mmHg'"},
        {"psi2inHg", &Pressure::psi2inHg, 2.0360207, "units -t 'psi' 'inHg'"},
        {"psi2bar", &Pressure::psi2bar, 0.068947573, "units -t 'psi' 'bar'"},
        {"psi2psf", &Pressure::psi2psf, 144, "units -t 'psi' 'lbf/ft^2'"},
        {"psi2dpcm2", &Pressure::psi2dpcm2, 68947.573, "units -t 'psi' 'dyne/cm^2'"},
        {"psi2Pa", &Pressure::psi2Pa, 6894.7573, "units -t 'psi' 'Pa'"},
        {"psf2atm", &Pressure::psf2atm, 0.00047254142, "units -t 'lbf/ft^2' 'atm'"},
        {"psf2mmHg", &Pressure::psf2mmHg, 0.35913143, "units -t 'lbf/ft^2' 'mmHg'"},
        {"psf2inHg", &Pressure::psf2inHg, 0.014139032, "units -t 'lbf/ft^2' 'inHg'"},
        {"psf2psi", &Pressure::psf2psi, 0.0069444444, "units -t 'lbf/ft^2' 'psi'"},
        {"psf2bar", &Pressure::psf2bar, 0.00047880259, "units -t 'lbf/ft^2' 'bar'"},
        {"psf2dpcm2", &Pressure::psf2dpcm2, 478.80259, "units -t 'lbf/ft^2' 'dyne/cm^2'"},
        {"psf2Pa", &Pressure::psf2Pa, 47.880259, "units -t 'lbf/ft^2' 'Pa'"},
        {"psf2kgpm2", &Pressure::psf2kgpm2, 4.8824276, "units -t 'lbf/ft^2' 'kgf/m^2'"},
        {"dpcm22atm", &Pressure::dpcm22atm, 9.8692327e-07, "units -t 'dyne/cm^2' 'atm'"},
        {"dpcm22mmHg", &Pressure::dpcm22mmHg, 0.00075006158, "units -t 'dyne/cm^2' 'mmHg'"},
        {"dpcm22inHg", &Pressure::dpcm22inHg, 2.9529983e-05, "units -t 'dyne/cm^2' 'inHg'"},
        {"dpcm22psi", &Pressure::dpcm22psi, 1.4503774e-05, "units -t 'dyne/cm^2' 'psi'"},
        {"dpcm22psf", &Pressure::dpcm22psf, 0.0020885434, "units -t 'dyne/cm^2' 'lbf/ft^2'"},
        {"dpcm22bar", &Pressure::dpcm22bar, 1e-06, "units -t 'dyne/cm^2' 'bar'"},
        {"dpcm22Pa", &Pressure::dpcm22Pa, 0.1, "units -t 'dyne/cm^2' 'Pa'"},
        {"Pa2atm", &Pressure::Pa2atm, 9.8692327e-06, "units -t 'Pa' 'atm'"},
        {"Pa2mmHg", &Pressure::Pa2mmHg, 0.0075006158, "units -t 'Pa' 'mmHg'"},
        {"Pa2inHg", &Pressure::Pa2inHg, 0.00029529983, "units -t 'Pa' 'inHg'"},
        {"Pa2psi", &Pressure::Pa2psi, 0.00014503774, "units -t 'Pa' 'psi'"},
        {"Pa2psf", &Pressure::Pa2psf, 0.020885434, "units -t 'Pa' 'lbf/ft^2'"},
        {"Pa2dpcm2", &Pressure::Pa2dpcm2, 10, "units -t 'Pa' 'dyne/cm^2'"},
        {"Pa2bar", &Pressure::Pa2bar, 1e-05, "units -t 'Pa' 'bar'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Torque)
{
    const TrueFactor<torque> rows[] = {
        {"Nm2dycm", &torque::Nm2dycm, 10000000, "units -t 'N*m' 'dyne*cm'"},
        {"Nm2lbft", &torque::Nm2lbft, 0.73756215, "units -t 'N*m' 'lbf*ft'"},
        {"Nm2ozin", &torque::Nm2ozin, 141.61193, "units -t 'N*m' 'oz*force*in'"},
        {"Dycm2Nm", &torque::Dycm2Nm, 1e-07, "units -t 'dyne*cm' 'N*m'"},
        {"Dycm2lbft", &torque::Dycm2lbft, 7.3756215e-08, "units -t 'dyne*cm' 'lbf*ft'"},
        {"Dycm2ozin", &torque::Dycm2ozin, 1.4161193e-05, "units -t 'dyne*cm' 'oz*force*in'"},
        {"lbft2Nm", &torque::lbft2Nm, 1.3558179, "units -t 'lbf*ft' 'N*m'"},
        {"lbft2dycm", &torque::lbft2dycm, 13558179, "units -t 'lbf*ft' 'dyne*cm'"},
        {"lbft2ozin", &torque::lbft2ozin, 192, "units -t 'lbf*ft' 'oz*force*in'"},
        {"ozin2Nm", &torque::ozin2Nm, 0.0070615518, "units -t 'oz*force*in' 'N*m'"},
        {"ozin2dycm", &torque::ozin2dycm, 70615.518, "units -t 'oz*force*in' 'dyne*cm'"},
        {"ozin2lbft", &torque::ozin2lbft, 0.0052083333, "units -t 'oz*force*in' 'lbf*ft'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Work)
{
    const TrueFactor<Work> rows[] = {
        {"J2Ws", &Work::J2Ws, 1, "units -t 'J' 'W*s'"},
        {"J2Wh", &Work::J2Wh, 0.00027777778, "units -t 'J' 'W*hr'"},
        {"J2Btu", &Work::J2Btu, 0.00094781712, "units -t 'J' 'btu'"},
        {"J2cal", &Work::J2cal, 0.2388459, "units -t 'J' 'calorie_IT'"},
        {"J2ftlb", &Work::J2ftlb, 0.73756215, "units -t 'J' 'ft*lbf'"},
        {"Ws2J", &Work::Ws2J, 1, "units -t 'W*s' 'J'"},
        {"Ws2Wh", &Work::Ws2Wh, 0.00027777778, "units -t 'W*s' 'W*hr'"},
        {"Ws2Btu", &Work::Ws2Btu, 0.00094781712, "units -t 'W*s' 'btu'"},
        {"Ws2cal", &Work::Ws2cal, 0.2388459, "units -t 'W*s' 'calorie_IT'"},
        {"Ws2ftlb", &Work::Ws2ftlb, 0.73756215, "units -t 'W*s' 'ft*lbf'"},
        {"Wh2J", &Work::Wh2J, 3600, "units -t 'W*hr' 'J'"},
        {"Wh2Ws", &Work::Wh2Ws, 3600, "units -t 'W*hr' 'W*s'"},
        {"Wh2Btu", &Work::Wh2Btu, 3.4121416, "units -t 'W*hr' 'btu'"},
        {"Wh2cal", &Work::Wh2cal, 859.84523, "units -t 'W*hr' 'calorie_IT'"},
        {"Wh2ftlb", &Work::Wh2ftlb, 2655.2237, "units -t 'W*hr' 'ft*lbf'"},
        {"Btu2J", &Work::Btu2J, 1055.0559, "units -t 'btu' 'J'"},
        {"Btu2Ws", &Work::Btu2Ws, 1055.0559, "units -t 'btu' 'W*s'"},
        {"Btu2Wh", &Work::Btu2Wh, 0.29307107, "units -t 'btu' 'W*hr'"},
        {"Btu2cal", &Work::Btu2cal, 251.99576, "units -t 'btu' 'calorie_IT'"},
        {"Btu2ftlb", &Work::Btu2ftlb, 778.16926, "units -t 'btu' 'ft*lbf'"},
        {"cal2J", &Work::cal2J, 4.1868, "units -t 'calorie_IT' 'J'"},
        {"cal2Ws", &Work::cal2Ws, 4.1868, "units -t 'calorie_IT' 'W*s'"},
        {"cal2Wh", &Work::cal2Wh, 0.001163, "units -t 'calorie_IT' 'W*hr'"},
        {"cal2Btu", &Work::cal2Btu, 0.0039683207, "units -t 'calorie_IT' 'btu'"},
        {"cal2ftlb", &Work::cal2ftlb, 3.0880252, "units -t 'calorie_IT' 'ft*lbf'"},
        {"ftlb2J", &Work::ftlb2J, 1.3558179, "units -t 'ft*lbf' 'J'"},
        {"ftlb2Ws", &Work::ftlb2Ws, 1.3558179, "units -t 'ft*lbf' 'W*s'"},
        {"ftlb2Wh", &Work::ftlb2Wh, 0.0003766161, "units -t 'ft*lbf' 'W*hr'"},
        {"ftlb2Btu", &Work::ftlb2Btu, 0.0012850675, "units -t 'ft*lbf' 'btu'"},
        {"ftlb2cal", &Work::ftlb2cal, 0.32383155, "units -t 'ft*lbf' 'calorie_IT'"},
    };
    expectNearTruth(rows);
}

TEST(UnitsCrossCheck, Power)
{
    const TrueFactor<Power> rows[] = {
        {"W2Hp", &Power::W2Hp, 0.0013410221, "units -t 'W' 'hp'"},
        {"W2Btupm", &Power::W2Btupm, 0.056869027, "units -t 'W' 'btu/min'"},
        {"W2calpsec", &Power::W2calpsec, 0.2388459, "units -t 'W' 'calorie_IT/s'"},
        {"Hp2W", &Power::Hp2W, 745.69987, "units -t 'hp' 'W'"},
        {"Hp2Btupm", &Power::Hp2Btupm, 42.407226, "units -t 'hp' 'btu/min'"},
        {"Hp2calpsec", &Power::Hp2calpsec, 178.10735, "units -t 'hp' 'calorie_IT/s'"},
        {"Btupm2W", &Power::Btupm2W, 17.584264, "units -t 'btu/min' 'W'"},
        {"Btupm2Hp", &Power::Btupm2Hp, 0.023580887, "units -t 'btu/min' 'hp'"},
        {"Btupm2calpsec", &Power::Btupm2calpsec, 4.1999294, "units -t 'btu/min' 'calorie_IT/s'"},
        {"calpsec2W", &Power::calpsec2W, 4.1868, "units -t 'calorie_IT/s' 'W'"},
        {"calpsec2Hp", &Power::calpsec2Hp, 0.0056145913, "units -t 'calorie_IT/s' 'hp'"},
        {"calpsec2Btupm", &Power::calpsec2Btupm, 0.23809924, "units -t 'calorie_IT/s' 'btu/min'"},
    };
    expectNearTruth(rows);
}

} // namespace
