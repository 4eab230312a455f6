#pragma once
// A double whose arithmetic fails instead of giving inf or nan, so that every
// intermediate step of a formula is checked, not just the final value
// (1 / inf would otherwise turn an overflow into a quiet 0). The rules are
// those of RtMath.h: a result beyond the double range raises "Overflow", a
// root or power outside its domain "Invalid procedure call or argument",
// x / 0 "Division by zero" and 0 / 0 "Overflow".
//
// A formula keeps its brackets and its order when written with Checked: each
// +, -, *, / on a Checked is one checked step, a step between two plain
// doubles stays unchecked. Negation is exact and never fails.
#include "runtime/RtMath.h"

#include <compare>

namespace rt {

struct Checked {
    double v = 0;
    constexpr Checked() = default;
    constexpr Checked(double x) : v(x) {}
};

Checked operator+(Checked a, Checked b);
Checked operator-(Checked a, Checked b);
inline Checked operator-(Checked a) { return -a.v; }
Checked operator*(Checked a, Checked b);
Checked operator/(Checked a, Checked b);
inline bool operator==(Checked a, Checked b) { return a.v == b.v; }
inline auto operator<=>(Checked a, Checked b) { return a.v <=> b.v; }

// The checked functions of RtMath.h on a Checked give a Checked. With two
// plain doubles the double overload is chosen: wrap one argument to keep the
// result checked in the steps that follow.
inline Checked pow(Checked base, Checked e) { return pow(base.v, e.v); }
inline Checked sqrt(Checked x) { return sqrt(x.v); }
inline Checked exp(Checked x) { return exp(x.v); }

} // namespace rt
