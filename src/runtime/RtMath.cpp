#include "runtime/RtMath.h"

#include "runtime/Checked.h"

#include "runtime/Error.h"

#include <cmath>

namespace rt {

double chk(double x)
{
    if (std::isnan(x)) raise(Err::InvalidCall);
    if (std::isinf(x)) raise(Err::Overflow);
    return x;
}

namespace {

double div(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) raise(Err::InvalidCall);
    if (b == 0) raise(a == 0 ? Err::Overflow : Err::DivisionByZero);
    return chk(a / b);
}
double mul(double a, double b) { return chk(chk(a) * chk(b)); }
double add(double a, double b) { return chk(chk(a) + chk(b)); }
double sub(double a, double b) { return chk(chk(a) - chk(b)); }

} // namespace

Checked operator+(Checked a, Checked b) { return add(a.v, b.v); }
Checked operator-(Checked a, Checked b) { return sub(a.v, b.v); }
Checked operator*(Checked a, Checked b) { return mul(a.v, b.v); }
Checked operator/(Checked a, Checked b) { return div(a.v, b.v); }

double sqrt(double x)
{
    if (x < 0 || std::isnan(x)) raise(Err::InvalidCall);
    return chk(std::sqrt(x));
}

double log(double x)
{
    if (!(x > 0)) raise(Err::InvalidCall);
    return chk(std::log(x));
}

double exp(double x) { return chk(std::exp(chk(x))); }

double pow(double base, double e)
{
    chk(base);
    chk(e);
    if (base < 0 && e != std::floor(e)) raise(Err::InvalidCall);
    if (base == 0 && e < 0) raise(Err::DivisionByZero);
    return chk(std::pow(base, e));
}

double atn(double x) { return chk(std::atan(chk(x))); }
double sin(double x) { return chk(std::sin(chk(x))); }
double cos(double x) { return chk(std::cos(chk(x))); }
double tan(double x) { return chk(std::tan(chk(x))); }
} // namespace rt
