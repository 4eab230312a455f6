#include "runtime/Calculator.h"

#include "runtime/Error.h"
#include "runtime/RtMath.h"

#include <cmath>

namespace Calculator {

double arcsin(double x)
{
    double r = 0;
    rt::trap([&] {
        if (x == 1) r = 2 * std::atan(1.0);
        else if (x == -1) r = -2 * std::atan(1.0);
        else r = rt::atn(x / rt::sqrt(-x * x + 1));
    });
    return r;
}

double arccos(double x)
{
    double r = 0;
    rt::trap([&] {
        if (x == 1) r = 0;
        else if (x == -1) r = 4 * std::atan(1.0);
        else r = rt::atn(-x / rt::sqrt(-x * x + 1)) + 2 * std::atan(1.0);
    });
    return r;
}

} // namespace Calculator
