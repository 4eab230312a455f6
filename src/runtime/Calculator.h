#pragma once
// Arc sine and arc cosine from the arc tangent and the square root.
// |x| > 1 is reported as "Invalid procedure call or argument" and gives 0.
namespace Calculator {
double arcsin(double x);
double arccos(double x);
} // namespace Calculator
