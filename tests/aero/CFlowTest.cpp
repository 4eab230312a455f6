#include "aero/CFlow1DShockNormal.h"
#include "aero/CFlow1dis.h"
#include "runtime/Error.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

const double kMachs[] = {0.5, 1, 2, 3};
const double kGammas[] = {1.4, 1.3};

// ---- isentropic flow ------------------------------------------------------

struct IsenRow {
    double m, mstar, pt2ps, tt2ts, rt2rs, a2astar, q2pt;
};
// Published gamma 1.4 table values (NACA 1135), four to five digits.
const IsenRow kNaca[] = {
    {0.5, 0.53452, 1.1862, 1.05, 1.1297, 1.3398, 0.14753},
    {1, 1, 1.8929, 1.2, 1.5774, 1, 0.36980},
    {2, 1.6330, 7.8244, 1.8, 4.3469, 1.6875, 0.35785},
    {3, 1.9640, 36.733, 2.8, 13.119, 4.2346, 0.17151},
};

TEST(CFlow1dis, MatchesPublishedTableForGamma14)
{
    for (const IsenRow& r : kNaca) {
        CFlow1dis f;
        f.setzen_Mach(r.m);
        f.setzen_gama(1.4);
        EXPECT_NEAR(f.out_Mstar() / r.mstar, 1, 5e-5) << r.m;
        EXPECT_NEAR(f.out_Pt2Ps() / r.pt2ps, 1, 5e-5) << r.m;
        EXPECT_NEAR(f.out_Tt2Ts() / r.tt2ts, 1, 1e-12) << r.m;
        EXPECT_NEAR(f.out_Rt2Rs() / r.rt2rs, 1, 5e-5) << r.m;
        EXPECT_NEAR(f.out_A2AStar() / r.a2astar, 1, 5e-5) << r.m;
        EXPECT_NEAR(f.out_q2Pt() / r.q2pt, 1, 5e-5) << r.m;
    }
}

// Textbook forms, written differently from the model: M*^2 from the energy
// equation, A/A* from the mass flow, q/Pt as (gamma/2) M^2 p/Pt.
TEST(CFlow1dis, MatchesClosedFormsForBothGammas)
{
    for (double g : kGammas) {
        for (double m : kMachs) {
            CFlow1dis f;
            f.setzen_Mach(m);
            f.setzen_gama(g);
            const double t = 1 + (g - 1) / 2 * m * m;
            const double p = std::pow(t, g / (g - 1));
            const double at = std::pow(2 / (g + 1) * t, (g + 1) / (2 * (g - 1))) / m;
            const std::string c = "g " + std::to_string(g) + " M " + std::to_string(m);
            EXPECT_NEAR(f.out_Mstar(), std::sqrt((g + 1) * m * m / (2 + (g - 1) * m * m)), 1e-12) << c;
            EXPECT_NEAR(f.out_Tt2Ts(), t, 1e-12) << c;
            EXPECT_NEAR(f.out_Pt2Ps() / p, 1, 1e-12) << c;
            EXPECT_NEAR(f.out_Rt2Rs() / (p / t), 1, 1e-12) << c;
            EXPECT_NEAR(f.out_A2AStar() / at, 1, 1e-12) << c;
            EXPECT_NEAR(f.out_q2Pt() / (g / 2 * m * m / p), 1, 1e-12) << c;
        }
    }
}

TEST(CFlow1dis, AtRestAndBeforeAnySetter)
{
    CFlow1dis f;
    EXPECT_EQ(f.out_Pt2Ps(), 0);
    EXPECT_EQ(f.out_Gama(), 1.4);
    f.setzen_Mach(0);
    EXPECT_EQ(f.out_Mstar(), 0);
    EXPECT_EQ(f.out_Pt2Ps(), 1);
    EXPECT_EQ(f.out_Tt2Ts(), 1);
    EXPECT_EQ(f.out_Rt2Rs(), 1);
    EXPECT_EQ(f.out_A2AStar(), 0);
    EXPECT_EQ(f.out_q2Pt(), 0);
}

TEST(CFlow1dis, GammaNotAboveOneIsIgnoredAndMstarIsOverwrittenByTheNextRecompute)
{
    CFlow1dis f;
    f.setzen_Mach(2);
    const double pt = f.out_Pt2Ps();
    for (double g : {1.0, 0.9, -3.0}) {
        f.setzen_gama(g);
        EXPECT_EQ(f.out_Gama(), 1.4) << g;
        EXPECT_EQ(f.out_Pt2Ps(), pt) << g;
    }
    f.setzen_gama(1.0000001);
    EXPECT_EQ(f.out_Gama(), 1.0000001);
    f.setzen_Mstar(9);
    EXPECT_EQ(f.out_Mstar(), 9);
    EXPECT_EQ(f.out_Mach(), 2);
    f.setzen_Mach(2);
    EXPECT_NE(f.out_Mstar(), 9);
}

TEST(CFlow1dis, OverflowRaisesInsteadOfInfinity)
{
    CFlow1dis f;
    f.setzen_gama(1.05);
    EXPECT_THROW(f.setzen_Mach(1e9), rt::RuntimeError);
    EXPECT_TRUE(std::isfinite(f.out_Pt2Ps()));
    EXPECT_THROW(f.setzen_Mach(1e200), rt::RuntimeError);
}

// ---- normal shock ---------------------------------------------------------

struct ShockRow {
    double m, my, p, pt, t, rho;
};
// Published gamma 1.4 values (NACA 1135); M 2 as the issue lists them.
const ShockRow kShockNaca[] = {
    {1, 1, 1, 1, 1, 1},
    {2, 0.57735, 4.5, 0.72087, 1.6875, 2.6667},
    {3, 0.47519, 10.333, 0.32834, 2.6790, 3.8571},
};

TEST(CFlow1DShockNormal, MatchesPublishedTableForGamma14)
{
    for (const ShockRow& r : kShockNaca) {
        CFlow1DShockNormal s;
        s.setzen_Mx(r.m);
        s.setzen_gama(1.4);
        EXPECT_NEAR(s.out_My() / r.my, 1, 5e-5) << r.m;
        EXPECT_NEAR(s.out_Psy2Psx() / r.p, 1, 5e-5) << r.m;
        EXPECT_NEAR(s.out_Pty2Ptx() / r.pt, 1, 5e-5) << r.m;
        EXPECT_NEAR(s.out_Tsy2Tsx() / r.t, 1, 5e-5) << r.m;
        EXPECT_NEAR(s.out_Rhsy2Rhsx() / r.rho, 1, 5e-5) << r.m;
    }
}

// Rankine-Hugoniot forms, and the total pressure ratio through the
// isentropic relation on each side of the shock (an independent road).
TEST(CFlow1DShockNormal, MatchesClosedFormsForBothGammas)
{
    for (double g : kGammas) {
        for (double m : kMachs) {
            CFlow1DShockNormal s;
            s.setzen_Mx(m);
            s.setzen_gama(g);
            const std::string c = "g " + std::to_string(g) + " M " + std::to_string(m);
            const double k = (g - 1) / 2;
            const double p = 1 + 2 * g / (g + 1) * (m * m - 1);
            const double rho = (g + 1) * m * m / ((g - 1) * m * m + 2);
            const double my2 = (1 + k * m * m) / (g * m * m - k);
            const double e = g / (g - 1);
            const double p01 = std::pow(1 + k * m * m, e), p02 = p * std::pow(1 + k * my2, e);
            EXPECT_NEAR(s.out_My(), std::sqrt(my2), 1e-12) << c;
            EXPECT_NEAR(s.out_Psy2Psx() / p, 1, 1e-12) << c;
            EXPECT_NEAR(s.out_Rhsy2Rhsx() / rho, 1, 1e-12) << c;
            EXPECT_NEAR(s.out_Tsy2Tsx() / (p / rho), 1, 1e-12) << c;
            EXPECT_NEAR(s.out_Uy2Ux() * rho, 1, 1e-12) << c;
            EXPECT_NEAR(s.out_Tsy2Ttx() * (1 + k * my2), 1, 1e-12) << c;
            EXPECT_NEAR(s.out_Pty2Ptx() / (p02 / p01), 1, 1e-11) << c;
            EXPECT_NEAR(s.out_Psy2Ptx() / (p / p01), 1, 1e-12) << c;
        }
    }
}

TEST(CFlow1DShockNormal, StaticBehindOverTotalAheadAtMach2)
{
    CFlow1DShockNormal s;
    s.setzen_Mx(2);
    // 4.5 * 1.8^-3.5; equals Pty/Ptx over Pt/Ps at My.
    EXPECT_NEAR(s.out_Psy2Ptx(), 0.575120, 5e-7);
}

TEST(CFlow1DShockNormal, GuardsGiveZeroBelowTheirDomain)
{
    CFlow1DShockNormal s;
    EXPECT_EQ(s.out_Mx(), 1.0);
    EXPECT_EQ(s.out_My(), 0);
    s.setzen_Mx(0);
    EXPECT_EQ(s.out_My(), 0);
    EXPECT_EQ(s.out_Pty2Ptx(), 0);
    EXPECT_EQ(s.out_Tsy2Tsx(), 0);
    EXPECT_EQ(s.out_Uy2Ux(), 0);
    EXPECT_EQ(s.out_Rhsy2Rhsx(), 0);
    EXPECT_EQ(s.out_Tsy2Ttx(), 1);
    EXPECT_DOUBLE_EQ(s.out_Psy2Psx(), (1 - 1.4) / 2.4);
    // Mx^2 <= (gamma - 1) / (2 gamma): My and Pty/Ptx 0, the others computed.
    s.setzen_Mx(0.3);
    EXPECT_EQ(s.out_My(), 0);
    EXPECT_EQ(s.out_Pty2Ptx(), 0);
    EXPECT_GT(s.out_Rhsy2Rhsx(), 0);
    s.setzen_gama(1);
    EXPECT_EQ(s.out_Gama(), 1.4);
}

} // namespace
