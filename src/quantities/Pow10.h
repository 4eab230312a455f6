#pragma once
// The factor tables write decimal scalings as powers (10^-4 x 3.048); they are
// evaluated by the power function, as written, so the last bit of each factor
// is that of pow(10, n) times the literal and not of the literal 3.048e-4.
#include <cmath>

namespace qty {

inline double p10(int n) { return std::pow(10.0, n); }
inline double pw(double base, int e) { return std::pow(base, e); }

} // namespace qty
