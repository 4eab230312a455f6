#include "aero/Cl_Alt_spd.h"
#include "aero/Eng_atmos.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

struct Speeds {
    double mach, keas, ktas, kcas, qbar;
};
Speeds read(const Cl_Alt_spd& s) { return {s.out_Mach(), s.out_vkeas(), s.out_vktas(), s.out_vkcas(), s.out_qbar()}; }

void expectSame(const Speeds& a, const Speeds& b, double rel, const std::string& what)
{
    auto near = [&](double x, double y, const char* n) {
        EXPECT_NEAR(x, y, std::fabs(y) * rel + 1e-12) << what << ": " << n;
    };
    near(a.mach, b.mach, "Mach");
    near(a.keas, b.keas, "KEAS");
    near(a.ktas, b.ktas, "KTAS");
    near(a.kcas, b.kcas, "KCAS");
    near(a.qbar, b.qbar, "qbar");
}

const double kAltitudes[] = {0, 10000, 36089, 36090, 50000, 3281, 36091};
const double kFlightMachs[] = {0.5, 1, 2, 3};

TEST(Cl_Alt_spd, MachZeroGivesZeroSpeedsAtAnyAltitude)
{
    for (double h : kAltitudes) {
        Cl_Alt_spd s;
        s.setzen_hft(h);
        s.setzen_Mach(0);
        expectSame(read(s), {0, 0, 0, 0, 0}, 0, "h " + std::to_string(h));
    }
}

TEST(Cl_Alt_spd, AtSeaLevelCalibratedEqualsEquivalentAirspeed)
{
    Cl_Alt_spd s;
    for (double m : kFlightMachs) {
        s.setzen_Mach(m);
        EXPECT_DOUBLE_EQ(s.out_vkcas(), 1479.103 * std::sqrt(0.2 * m * m)) << m;
        EXPECT_NEAR(s.out_vkeas() / s.out_vkcas(), 1, 1e-6) << m;
        EXPECT_NEAR(s.out_vkcas() / (661.4748 * m), 1, 1e-6) << m;
        EXPECT_EQ(s.out_Mach(), m);
    }
    s.setzen_keas(300);
    EXPECT_DOUBLE_EQ(s.out_Mach(), 300 / 661.4748);
    s.setzen_qbar(123.25);
    EXPECT_EQ(s.out_qbar(), 123.25);
}

// Setting any one of the five speeds reproduces the set that a Mach number
// gave, in both layers, across the bound, sub- and supersonic. The pitot
// relations pair 1479.103 with 661.4748 (a0 sqrt 5 to seven digits), so a
// round trip through the equivalent or calibrated airspeed agrees to about
// 1e-6 (2e-6 for the dynamic pressure, which goes with M^2), not to the bit.
TEST(Cl_Alt_spd, EverySpeedEnteredGivesTheSameConsistentSet)
{
    for (double h : kAltitudes) {
        for (double m : kFlightMachs) {
            Cl_Alt_spd ref;
            ref.setzen_hft(h);
            ref.setzen_Mach(m);
            const Speeds want = read(ref);
            const std::string at = "h " + std::to_string(h) + " M " + std::to_string(m);

            Cl_Alt_spd s;
            s.setzen_hft(h);
            s.setzen_keas(want.keas);
            expectSame(read(s), want, 2e-6, at + " keas");
            EXPECT_EQ(s.out_vkeas(), want.keas) << at;
            s.setzen_ktas(want.ktas);
            expectSame(read(s), want, 2e-6, at + " ktas");
            EXPECT_NEAR(s.out_vktas(), want.ktas, want.ktas * 1e-14) << at;
            s.setzen_kcas(want.kcas);
            expectSame(read(s), want, 2e-6, at + " kcas");
            s.setzen_qbar(want.qbar);
            expectSame(read(s), want, 2e-6, at + " qbar");
            EXPECT_EQ(s.out_qbar(), want.qbar) << at;
        }
    }
}

TEST(Cl_Alt_spd, AltitudeAloneChangesNoSpeedUntilTheNextSetter)
{
    Cl_Alt_spd s;
    s.setzen_keas(250);
    const Speeds before = read(s);
    s.setzen_hft(30000);
    expectSame(read(s), before, 0, "after setzen_hft");
    s.setzen_hmt(1000);
    expectSame(read(s), before, 0, "after setzen_hmt");

    // Holding the equivalent airspeed at 30000 ft: true airspeed grows.
    s.setzen_keas(s.out_vkeas());
    EXPECT_EQ(s.out_vkeas(), 250);
    EXPECT_GT(s.out_vktas(), before.ktas * 1.5);
    EXPECT_GT(s.out_Mach(), before.mach);
}

// Closed forms the relations must honour: true airspeed is Mach times the
// speed of sound; dynamic pressure is gamma/2 p M^2; equivalent airspeed is
// the true airspeed times sqrt(rho/rho0). Speeds of sound in knots from
//   units -t -d 10 'sqrt(1.4 * 287.05287 J/kg/K * stdatmTH(<h>))' knots
// 38.9676 kt/sqrt(K) against 38.9678 bounds the first (1e-5); the knot
// factor 1.689 ft/s (exact 1.68781) and the rounded air constants bound the
// second (3e-3); the third meets 661.4748 sqrt(theta) against 38.9676 sqrt(T).
// Calibrated airspeed: the pitot relation Vc = a0 sqrt(5((qc/p0 + 1)^(2/7) - 1))
// with qc = p((1 + 0.2 M^2)^3.5 - 1), p from
//   units -t -d 10 'stdatmPH(<h>)' 'lbf/ft^2'
// bounded by the model's 5.2561 and 518.7 (1e-4).
TEST(Cl_Alt_spd, AgreesWithClosedFormsAndGnuUnits)
{
    struct Row {
        double h_ft, a_kt, p_psf;
    };
    const Row rows[] = {{0, 661.4785944, 2116.216624}, {10000, 638.3334048, 1455.331249}, {30000, 589.3222762, 628.433448}};
    for (const Row& r : rows) {
        for (double m : kFlightMachs) {
            Cl_Alt_spd s;
            s.setzen_hft(r.h_ft);
            s.setzen_Mach(m);
            Eng_atmos a;
            a.setzen_hft(r.h_ft);
            EXPECT_NEAR(s.out_vktas() / (m * r.a_kt), 1, 1e-5) << r.h_ft << " " << m;
            EXPECT_NEAR(s.out_qbar() / (0.7 * *a.out_press_pft2() * m * m), 1, 3e-3) << r.h_ft << " " << m;
            EXPECT_NEAR(s.out_vkeas() / (s.out_vktas() * std::sqrt(*a.out_rho() / 0.002377)), 1, 2e-4)
                << r.h_ft << " " << m;
            const double qc = r.p_psf * (std::pow(1 + 0.2 * m * m, 3.5) - 1);
            const double vc = 661.4785944 * std::sqrt(5 * (std::pow(qc / 2116.216624 + 1, 1 / 3.5) - 1));
            EXPECT_NEAR(s.out_vkcas() / vc, 1, 1e-4) << r.h_ft << " " << m;
            if (r.h_ft > 0) {
                EXPECT_GT(s.out_vkcas(), s.out_vkeas()) << "compressibility: CAS above EAS aloft";
            }
        }
    }
}

TEST(Cl_Alt_spd, NegativeDynamicPressureIsTrappedAndKeepsTheOtherSpeeds)
{
    rt::MessageRecorder rec;
    Cl_Alt_spd s;
    s.setzen_Mach(0.5);
    const Speeds before = read(s);
    s.setzen_qbar(-5);
    EXPECT_EQ(rec.messages.join("|"), "Invalid procedure call or argument");
    EXPECT_EQ(s.out_qbar(), -5);
    EXPECT_EQ(s.out_Mach(), before.mach);
    EXPECT_EQ(s.out_vktas(), before.ktas);
}

TEST(Cl_Alt_spd, ZeroDensityFarAloftIsTrappedNeverNan)
{
    rt::MessageRecorder rec;
    Cl_Alt_spd s;
    s.setzen_hft(2e7);
    s.setzen_Mach(0.5);
    s.setzen_keas(100);
    s.setzen_kcas(100);
    s.setzen_qbar(10);
    EXPECT_EQ(rec.messages.join("|"), "Overflow|Division by zero|Division by zero|Division by zero");
    for (double v : {s.out_Mach(), s.out_vkeas(), s.out_vktas(), s.out_vkcas(), s.out_qbar()})
        EXPECT_TRUE(std::isfinite(v));
}

TEST(Cl_Alt_spd, HugeMachOverflowsThroughTheTrap)
{
    rt::MessageRecorder rec;
    Cl_Alt_spd s;
    s.setzen_Mach(1e200);
    EXPECT_EQ(rec.messages.join("|"), "Overflow");
    EXPECT_TRUE(std::isfinite(s.out_vkcas()));
}

} // namespace
