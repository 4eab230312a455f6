// Time-value-of-money functions against reference values. Each reference is
// the output of the qalc expression beside it (qalc 4.5.1, "precision 20"),
// whose functions take the same arguments in the same order; the r = 0 rows
// follow from pv + pmt n + fv = 0, which qalc cannot evaluate (0/0).
#include "runtime/Error.h"
#include "runtime/Financial.h"

#include "TestSupport.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

struct Case {
    const char* reference; // the qalc expression that gave `expected`
    double a, b, c, d;
    int due;
    double expected;
};

// Relative to the larger of the result and the money that went into it: a
// small future value is the difference of two large amounts.
void expectNear(double got, double expected, const Case& c)
{
    const double scale = std::max({1.0, std::fabs(expected), std::fabs(c.c), std::fabs(c.d)});
    EXPECT_NEAR(got, expected, 1e-12 * scale) << c.reference;
}

TEST(FinanceFunctions, FutureValue)
{
    const Case cases[] = {
        {"fv(0.05/12;120;-100;0;0)", 0.05 / 12, 120, -100, 0, 0, 15528.227944566792820},
        {"fv(0.05/12;120;-100;0;1)", 0.05 / 12, 120, -100, 0, 1, 15592.928894335821124},
        {"fv(0.005;120;-1110.21;100000;0)", 0.005, 120, -1110.21, 100000, 0, 0.81621477157140709046},
        {"fv(-0.05;10;-100;0;0)", -0.05, 10, -100, 0, 0, 802.5261215232421875},
        {"fv(1e-9;360;-100;0;0)", 1e-9, 360, -100, 0, 0, 36000.006462000771132},
        {"fv(0.015;40;-1801.85;100000;1)", 0.015, 40, -1801.85, 100000, 1, -82152.497153224982565},
        {"r = 0: -(pv + pmt n)", 0, 10, -100, -1000, 0, 2000},
        {"r = 0, due 1: -(pv + pmt n)", 0, 10, -100, -1000, 1, 2000},
    };
    for (const Case& c : cases) expectNear(rt::FV(c.a, c.b, c.c, c.d, c.due), c.expected, c);
}

TEST(FinanceFunctions, PresentValue)
{
    const Case cases[] = {
        {"pv(0.05/12;120;-100;0;0)", 0.05 / 12, 120, -100, 0, 0, 9428.1350328234999627},
        {"pv(0.005;120;-1110.21;0;0)", 0.005, 120, -1110.21, 0, 0, 100000.44861835591099},
        {"pv(0.005;120;-1110.21;0;1)", 0.005, 120, -1110.21, 0, 1, 100500.45086144769055},
        {"pv(0.015;120;-1110.21;0;0)", 0.015, 120, -1110.21, 0, 0, 61614.938735750382800},
        {"pv(0.08;20;500;-10000;0)", 0.08, 20, 500, -10000, 0, -2763.5916296840779136},
        {"r = 0: -(fv + pmt n)", 0, 10, -100, -500, 0, 1500},
    };
    for (const Case& c : cases) expectNear(rt::PV(c.a, c.b, c.c, c.d, c.due), c.expected, c);
}

TEST(FinanceFunctions, Payment)
{
    const Case cases[] = {
        {"pmt(0.05/12;360;200000)", 0.05 / 12, 360, 200000, 0, 0, -1073.6432460242779697},
        {"pmt(0.005;120;100000;0;0)", 0.005, 120, 100000, 0, 0, -1110.2050194164946524},
        {"pmt(0.005;120;100000;0;1)", 0.005, 120, 100000, 0, 1, -1104.6816113596961715},
        {"pmt(0.015;120;100000;0;0)", 0.015, 120, 100000, 0, 0, -1801.8519904099669516},
        {"pmt(0.01;12;0;10000;1)", 0.01, 12, 0, 10000, 1, -780.68107602318522119},
        {"pmt(-0.02;24;5000;-1000;0)", -0.02, 24, 5000, -1000, 0, -108.21422639627674414},
        {"r = 0: -(pv + fv) / n", 0, 10, 1000, 0, 0, -100},
    };
    for (const Case& c : cases) expectNear(rt::Pmt(c.a, c.b, c.c, c.d, c.due), c.expected, c);
}

TEST(FinanceFunctions, NumberOfPeriods)
{
    const Case cases[] = {
        {"nper(0.05/12;-1000;100000)", 0.05 / 12, -1000, 100000, 0, 0, 129.62847166352169548},
        {"nper(0.005;-1110.21;100000)", 0.005, -1110.21, 100000, 0, 0, 119.99926297537550053},
        {"nper(0.005;-1110.21;100000;0;1)", 0.005, -1110.21, 100000, 0, 1, 119.18357438479136992},
        {"nper(0.07;-200;-1000;5000;0)", 0.07, -200, -1000, 5000, 0, 10.515970024194387616},
        {"nper(-0.01;-100;1000;0;0)", -0.01, -100, 1000, 0, 0, 9.4832830657215999565},
        {"r = 0: -(pv + fv) / pmt", 0, -100, 1000, 0, 0, 10},
    };
    for (const Case& c : cases) expectNear(rt::NPer(c.a, c.b, c.c, c.d, c.due), c.expected, c);
}

TEST(FinanceFunctions, RateFindsTheRootFromItsDefaultGuess)
{
    const Case cases[] = {
        // LibreOffice's RATE stops at 0.00416664453635995, 3.5e-12 off this root.
        {"rate(360;-1073.64;200000)", 360, -1073.64, 200000, 0, 0, 0.0041666445363455415439},
        {"rate(120;-1110.21;100000)", 120, -1110.21, 100000, 0, 0, 0.0050000826497308954116},
        {"rate(120;-1104.68;100000;0;1)", 120, -1104.68, 100000, 0, 1, 0.0049999726249015964447},
        {"rate(120;-1801.85;100000;0;0)", 120, -1801.85, 100000, 0, 0, 0.014999974235864283879},
        {"rate(48;-2000;100000;-20000;1)", 48, -2000, 100000, -20000, 1, 0.0055017944276121448009},
        {"rate(24;-500;0;15000;1)", 24, -500, 0, 15000, 1, 0.017430153322947159811},
        {"rate(3650;-3;10000;0)", 3650, -3, 10000, 0, 0, 0.000050491026918155064996},
        {"rate(10;0;-1000;2000)", 10, 0, -1000, 2000, 0, 0.071773462536293164213},
        {"rate(10;-50;1000;0)", 10, -50, 1000, 0, 0, -0.10956029368474325672},
        {"rate(5;-1000;1000;0)", 5, -1000, 1000, 0, 0, 0.96594823664548533719},
        {"rate(2;0;-100;10000)", 2, 0, -100, 10000, 0, 9},
        {"rate(0.5;0;-100;150)", 0.5, 0, -100, 150, 0, 1.25},
        // Newton from 0.1 overshoots into overflow here; the scan finds it.
        {"10^(12/50)-1 (qalc's rate(50;0;-1;1e12) gives up)", 50, 0, -1, 1e12, 0, 0.73780082874937546700},
        {"r = 0: pv + pmt n + fv = 0", 10, -100, 1000, 0, 0, 0},
    };
    for (const Case& c : cases) {
        try {
            const double r = rt::Rate(c.a, c.b, c.c, c.d, c.due);
            EXPECT_NEAR(r, c.expected, 1e-12 * std::max(std::fabs(c.expected), 1e-3)) << c.reference;
        } catch (const rt::RuntimeError& e) {
            ADD_FAILURE() << c.reference << ": " << e.what();
        }
    }
}

TEST(FinanceFunctions, RateAndTheOthersInvertEachOther)
{
    // Every function solves the same relation: solving back gives the input.
    for (int due : {0, 1})
        for (double r : {-0.3, -0.001, 1e-7, 0.004, 0.05, 0.8})
            for (double n : {1.0, 12.0, 360.0}) {
                // Beyond this the payment no longer tells the number of periods.
                if (std::fabs(n * std::log1p(r)) > 50) continue;
                const double pv = 25000, fv = -3000;
                const double pmt = rt::Pmt(r, n, pv, fv, due);
                SCOPED_TRACE(testing::Message() << "r " << r << " n " << n << " due " << due);
                EXPECT_NEAR(rt::Rate(n, pmt, pv, fv, due), r, 1e-9 * std::max(1.0, std::fabs(r)));
                EXPECT_NEAR(rt::NPer(r, pmt, pv, fv, due), n, 1e-7 * n);
                EXPECT_NEAR(rt::PV(r, n, pmt, fv, due), pv, 1e-7 * pv);
                EXPECT_NEAR(rt::FV(r, n, pmt, pv, due), fv, 1e-7 * pv);
            }
}

struct Failing {
    const char* what;
    std::function<double()> call;
    const char* description;
};

TEST(FinanceFunctions, NoAnswerIsARuntimeErrorNeverInfNanOrAHang)
{
    const char* invalid = "Invalid procedure call or argument";
    const Failing cases[] = {
        {"rate: values of one sign", [] { return rt::Rate(10, 0, 100, 100); }, invalid},
        {"rate: all money received", [] { return rt::Rate(10, 100, 1000, 1000); }, invalid},
        {"rate(12;200;-1000;-2000) (qalc never returns)", [] { return rt::Rate(12, 200, -1000, -2000); }, invalid},
        {"rate: no periods", [] { return rt::Rate(0, -100, 1000); }, invalid},
        {"rate: negative periods", [] { return rt::Rate(-12, -100, 1000); }, invalid},
        {"nper: no rate, no payment", [] { return rt::NPer(0, 0, 1000, 0); }, invalid},
        {"nper: payment below the interest", [] { return rt::NPer(0.01, -1, 1000, 0); }, invalid},
        {"nper(0.07;-200;1000;-5000) (complex in qalc)", [] { return rt::NPer(0.07, -200, 1000, -5000); }, invalid},
        {"nper: rate -1", [] { return rt::NPer(-1, -100, 1000, 0); }, invalid},
        {"pmt: no periods", [] { return rt::Pmt(0.01, 0, 1000); }, invalid},
        {"pmt: no periods, no rate", [] { return rt::Pmt(0, 0, 1000); }, invalid},
        {"pv: rate -1", [] { return rt::PV(-1, 10, -100, 0); }, invalid},
        {"fv: negative base, fractional periods", [] { return rt::FV(-2, 0.5, -100, 0); }, invalid},
        {"fv: beyond the double range", [] { return rt::FV(1, 2000, -100, 0); }, "Overflow"},
        {"pv: growth beyond the double range", [] { return rt::PV(1, 2000, -100, 0); }, "Overflow"},
        {"fv: nan argument", [] { return rt::FV(std::nan(""), 10, -100, 0); }, invalid},
    };
    for (const Failing& c : cases) {
        try {
            const double v = c.call();
            ADD_FAILURE() << c.what << " gave " << v;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.description(), c.description) << c.what;
        }
    }
}

} // namespace
