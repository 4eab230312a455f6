#pragma once
// A double whose arithmetic fails instead of giving inf or nan: a result
// beyond the double range raises "Overflow", a root or power outside its
// domain "Invalid procedure call or argument", x / 0 "Division by zero".
// The flow and atmosphere formulas are written with it so that every
// intermediate step is checked, not just the final value (1 / inf would
// otherwise turn an overflow into a quiet 0).
#include "runtime/RtMath.h"

#include <compare>

namespace aero {

struct Num {
    double v = 0;
    constexpr Num() = default;
    constexpr Num(double x) : v(x) {}
};

inline Num operator+(Num a, Num b) { return rt::add(a.v, b.v); }
inline Num operator-(Num a, Num b) { return rt::sub(a.v, b.v); }
inline Num operator-(Num a) { return -a.v; }
inline Num operator*(Num a, Num b) { return rt::mul(a.v, b.v); }
inline Num operator/(Num a, Num b) { return rt::div(a.v, b.v); }
inline bool operator==(Num a, Num b) { return a.v == b.v; }
inline auto operator<=>(Num a, Num b) { return a.v <=> b.v; }

inline Num pow(Num base, Num e) { return rt::pow(base.v, e.v); }
inline Num sqrt(Num x) { return rt::sqr(x.v); }
inline Num exp(Num x) { return rt::exp(x.v); }

} // namespace aero
