#pragma once
// Tables of (member, expected factor) for the unit-factor classes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

template <class Q>
struct Factor {
    const char* op;
    double (Q::*fn)() const;
    double expected;
};

// The listed factors of computed members are rounded to ten significant
// digits, so the table is checked to 1e-9 relative; a wrong literal or a
// wrong formula is off by far more.
template <class Q, std::size_t N>
void expectFactors(const Factor<Q> (&rows)[N], double relTol = 1e-9)
{
    for (const auto& r : rows) {
        const double got = (Q().*r.fn)();
        EXPECT_NEAR(got, r.expected, std::abs(r.expected) * relTol) << r.op << " gave " << got;
    }
}

// A factor against the true value of its unit pair, with the command of GNU
// units (2.22) that gave the true value.
template <class Q>
struct TrueFactor {
    const char* op;
    double (Q::*fn)() const;
    double truth;
    const char* command;
};

// 1e-3 relative: the short rounded constants (1.689 knots to ft/s is 7e-4
// off) pass, a mistyped digit does not.
template <class Q, std::size_t N>
void expectNearTruth(const TrueFactor<Q> (&rows)[N], double relTol = 1e-3)
{
    for (const auto& r : rows) {
        const double got = (Q().*r.fn)();
        EXPECT_NEAR(got, r.truth, std::abs(r.truth) * relTol)
            << r.op << " gave " << got << ", " << r.command << " gives " << r.truth;
    }
}
