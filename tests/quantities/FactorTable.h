#pragma once
// Tables of the unit-factor classes' members, one row a factor: the member,
// the factor it is listed at, the true value of its unit pair, and the command
// of GNU units 2.22 (Debian package "units") that gave the true value. The
// true values were produced once by those commands; they are data here, units
// is not run by the tests. Hz is read as revolutions per second, Btu as the IT
// Btu, cal as calorie_IT, gallon and pint as US liquid measures, the barrel as
// 31.5 US gallons and the bushel as the US bushel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

template <class Q>
struct Factor {
    const char* op;
    double (Q::*fn)() const;
    double listed;
    double truth;
    const char* command;
};

// The listed factors of computed members are rounded to ten significant
// digits, so a member is checked against its listed factor to 1e-9 relative;
// a wrong literal or a wrong formula is off by far more. Against the true
// value it is checked to 1e-3 relative: the short rounded constants (1.689
// knots to ft/s is 7e-4 off) pass, a mistyped digit does not.
template <class Q, std::size_t N>
void expectFactors(const Factor<Q> (&rows)[N])
{
    for (const auto& r : rows) {
        const double got = (Q().*r.fn)();
        EXPECT_NEAR(got, r.listed, std::abs(r.listed) * 1e-9) << r.op << " gave " << got;
        EXPECT_NEAR(got, r.truth, std::abs(r.truth) * 1e-3)
            << r.op << " gave " << got << ", " << r.command << " gives " << r.truth;
    }
}
