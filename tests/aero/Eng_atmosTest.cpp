#include "aero/Eng_atmos.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

struct AtmosRow {
    double h_ft;
    double tempR, tisa, theta, delta, press_pft2, rho, va_fps;
};

// Values of the two-layer model with its own rounded constants, worked out
// by hand from the layer formulas (12 significant digits). 3281 and 36091 ft
// are 1000 m and 11000 m as the ISO tab converts them (3.281 ft/m).
const AtmosRow kRows[] = {
    {0, 518.7, 288.15, 1, 1, 2116.2, 0.002377, 1116.90771176},
    {10000, 483.0384, 268.338, 0.931248120301, 0.687708982659, 1455.3297491, 0.00175536918265, 1077.82932169},
    {36089, 390.00085176, 216.6504732, 0.751881341353, 0.223371816156, 472.699437349, 0.000706168351041, 968.482869491},
    {36090, 390, 216.65, 0.75189, 0.223389263332, 472.736359063, 0.000706172759503, 968.48181191},
    {50000, 390, 216.65, 0.75189, 0.114477828935, 242.257981593, 0.000361884555933, 968.48181191},
    {3281, 506.99942904, 281.6496828, 0.977442508271, 0.886989488833, 1877.04715627, 0.00215703122907, 1104.23853982},
    {36091, 390, 216.65, 0.75189, 0.22337852718, 472.713639218, 0.000706138820638, 968.48181191},
};

void expectRel(double actual, double expected, double rel, const char* what, double h)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << what << " at " << h << " ft";
}

TEST(Eng_atmos, TableInBothLayersAndAcrossTheBound)
{
    for (const AtmosRow& r : kRows) {
        Eng_atmos a;
        a.setzen_hft(r.h_ft);
        EXPECT_EQ(a.out_Alt_ft(), r.h_ft);
        expectRel(a.out_temp_R(), r.tempR, 1e-12, "temp_R", r.h_ft);
        expectRel(a.out_tisa(), r.tisa, 1e-12, "tisa", r.h_ft);
        expectRel(a.out_theta(), r.theta, 1e-11, "theta", r.h_ft);
        expectRel(*a.out_delta(), r.delta, 1e-10, "delta", r.h_ft);
        expectRel(*a.out_press_pft2(), r.press_pft2, 1e-10, "press_pft2", r.h_ft);
        expectRel(*a.out_rho(), r.rho, 1e-10, "rho", r.h_ft);
        expectRel(*a.out_Va_fps(), r.va_fps, 1e-10, "Va_fps", r.h_ft);
        EXPECT_DOUBLE_EQ(*a.out_press_psi(), *a.out_press_pft2() / 144) << r.h_ft;
        EXPECT_DOUBLE_EQ(a.out_temp_F(), a.out_temp_R() - 459.7);
        EXPECT_DOUBLE_EQ(a.out_temp_K(), a.out_temp_R() * (5.0 / 9.0));
        EXPECT_DOUBLE_EQ(a.out_temp_C(), a.out_temp_R() * (5.0 / 9.0) - 273.15);
        EXPECT_EQ(a.out_gamma(), 1.4);
    }
}

TEST(Eng_atmos, SeaLevelGivesTheConstantsExactly)
{
    Eng_atmos a;
    EXPECT_EQ(a.out_temp_R(), 518.7);
    EXPECT_EQ(a.out_tisa(), 288.15);
    EXPECT_EQ(*a.out_press_pft2(), 2116.2);
    EXPECT_EQ(*a.out_rho(), 0.002377);
    EXPECT_EQ(*a.out_delta(), 1);
    EXPECT_EQ(*a.out_Va_fps(), std::sqrt(53.35 * 1.4 * 32.2 * 518.7));
}

TEST(Eng_atmos, IsaTemperatureHasItsOwnBoundSoTheLayersMixJustAboveTheTropopause)
{
    Eng_atmos a;
    a.setzen_hft(36089.1);
    EXPECT_EQ(a.out_temp_R(), 390);
    EXPECT_EQ(a.out_theta(), 0.75189);
    EXPECT_DOUBLE_EQ(a.out_tisa(), 288.15 - 0.0019812 * 36089.1);
    EXPECT_DOUBLE_EQ(a.out_temp_F(), 390 - 459.7);
    a.setzen_hft(36089.24);
    EXPECT_EQ(a.out_tisa(), 216.65);
}

TEST(Eng_atmos, UpperLayerStepsSlightlyAtTheBound)
{
    Eng_atmos below, above;
    below.setzen_hft(36089);
    above.setzen_hft(36089.0001);
    EXPECT_GT(below.out_temp_R(), 390);
    EXPECT_NE(*below.out_press_pft2(), *above.out_press_pft2());
    EXPECT_NEAR(*below.out_press_pft2(), *above.out_press_pft2(), 0.1);
    EXPECT_NEAR(*below.out_rho() / *above.out_rho(), 1, 1e-4);
}

TEST(Eng_atmos, MetresAreStoredButChangeNothing)
{
    Eng_atmos a;
    a.setzen_hft(10000);
    const double p = *a.out_press_pft2();
    a.setzen_hmt(5000);
    EXPECT_EQ(*a.out_press_pft2(), p);
    EXPECT_EQ(a.out_Alt_ft(), 10000);
}

TEST(Eng_atmos, FarAboveTheAtmosphereDensityAndPressureReachZeroWithoutError)
{
    rt::MessageRecorder rec;
    Eng_atmos a;
    a.setzen_hft(2e7);
    EXPECT_EQ(*a.out_rho(), 0);
    EXPECT_EQ(*a.out_press_pft2(), 0);
    EXPECT_EQ(*a.out_delta(), 0);
    EXPECT_EQ(a.out_temp_R(), 390);
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST(Eng_atmos, OverflowDeepBelowSeaLevelIsTrappedAndGivesEmpty)
{
    rt::MessageRecorder rec;
    Eng_atmos a;
    a.setzen_hft(-1e80);
    EXPECT_FALSE(a.out_delta().has_value());
    EXPECT_FALSE(a.out_press_pft2().has_value());
    EXPECT_FALSE(a.out_rho().has_value());
    EXPECT_EQ(rec.messages.join("|"), "Overflow|Overflow|Overflow");
    a.setzen_hft(-1e308);
    EXPECT_FALSE(a.out_Va_fps().has_value());
}

// GNU Units 2.22, US standard atmosphere (valid to 11 km), recorded with
//   units -t -d 10 'stdatmTH(<h>)' K
//   units -t -d 10 'stdatmPH(<h>)' 'lbf/ft^2'
//   units -t -d 10 'stdatmPH(<h>)/(287.05287 J/kg/K * stdatmTH(<h>))' 'slug/ft^3'
//   units -t -d 10 'sqrt(1.4 * 287.05287 J/kg/K * stdatmTH(<h>))' 'ft/s'
// The model's rounded constants bound the agreement: 518.7 against 518.67 degR
// (0.017 K), exponent 5.2561 and p0 2116.2 (3e-5), the upper-layer ratio 0.2234
// (1.6e-4), and R*gamma*g = 53.35*1.4*32.2 against 1716.5*1.4 for the speed
// of sound (4.2e-4).
struct UnitsRow {
    const char* h;
    double h_ft;
    double tK, p_psf, rho, a_fps;
};
const UnitsRow kUnits[] = {
    {"0 ft", 0, 288.15, 2116.216624, 0.002376892442, 1116.450092},
    {"10000 ft", 10000, 268.338, 1455.331249, 0.00175528527, 1077.385413},
    {"20000 ft", 20000, 248.526, 972.4933404, 0.001266434806, 1036.849964},
    {"30000 ft", 30000, 228.714, 628.433448, 0.0008892719109, 994.6639469},
    {"36089 ft", 36089, 216.6504732, 472.6852891, 0.0007061231931, 968.0768233},
    {"1000 m", 1000 / 0.3048, 281.65, 1877.069234, 0.002156942501, 1103.785996},
    {"11000 m", 11000 / 0.3048, 216.65, 472.6798628, 0.0007061166293, 968.0757661},
};

TEST(Eng_atmos, AgreesWithGnuUnitsStandardAtmosphere)
{
    for (const UnitsRow& r : kUnits) {
        Eng_atmos a;
        a.setzen_hft(r.h_ft);
        EXPECT_NEAR(a.out_tisa(), r.tK, 1e-6) << r.h;
        EXPECT_NEAR(a.out_temp_K(), r.tK, 0.02) << r.h;
        EXPECT_NEAR(*a.out_press_pft2() / r.p_psf, 1, 2e-4) << r.h;
        EXPECT_NEAR(*a.out_rho() / r.rho, 1, 2e-4) << r.h;
        EXPECT_NEAR(*a.out_Va_fps() / r.a_fps, 1, 5e-4) << r.h;
    }
}

} // namespace
