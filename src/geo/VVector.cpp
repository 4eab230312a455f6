#include "geo/VVector.h"

#include "runtime/Calculator.h"
#include "runtime/Checked.h"
#include "runtime/Error.h"
#include "runtime/RtMath.h"

#include <algorithm>
#include <cmath>

using rt::Checked;

namespace {

// sum + x * x, each step checked.
double plusSquare(double sum, double x)
{
    const Checked c = x;
    return (Checked(sum) + c * c).v;
}

// End minus start, its magnitude, and its unit vector when it has a length;
// a vector too short to normalise keeps the unit vector it had.
void vectorOf(const VVector::Vec& p0, const VVector::Vec& p1, VVector::Vec& v, double& mag, VVector::Vec& unit,
              double eps)
{
    mag = 0;
    for (int i = 0; i < 3; ++i) {
        v[i] = (Checked(p1[i]) - p0[i]).v;
        mag = plusSquare(mag, v[i]);
    }
    mag = rt::sqrt(mag);
    if (mag > eps)
        for (int i = 0; i < 3; ++i) unit[i] = v[i] / mag;
}

} // namespace

VVector::VVector() : pi(4 * std::atan(1.0)), eps(std::pow(10.0, -15)) {}

VVector::Vec VVector::fromArray(std::span<const double> p)
{
    if (p.size() < 4) rt::raise(rt::Err::Subscript);
    return {p[1], p[2], p[3]};
}

void VVector::setzen_AP0V(std::span<const double> p) { AP0 = fromArray(p); recomputeA(); }
void VVector::setzen_AP0(double x, double y, double z) { AP0 = {x, y, z}; recomputeA(); }
void VVector::setzen_AP1V(std::span<const double> p) { AP1 = fromArray(p); recomputeA(); }
void VVector::setzen_AP1(double x, double y, double z) { AP1 = {x, y, z}; recomputeA(); }
void VVector::setzen_BP0V(std::span<const double> p) { BP0 = fromArray(p); recomputeB(); }
void VVector::setzen_BP0(double x, double y, double z) { BP0 = {x, y, z}; recomputeB(); }
void VVector::setzen_BP1V(std::span<const double> p) { BP1 = fromArray(p); recomputeB(); }
void VVector::setzen_BP1(double x, double y, double z) { BP1 = {x, y, z}; recomputeB(); }

void VVector::recomputeA()
{
    calc_vectA();
    calc_angleAB();
    calc_xprodAB();
}

void VVector::recomputeB()
{
    calc_vectB();
    calc_angleAB();
    calc_xprodAB();
}

void VVector::calc_vectA()
{
    vectorOf(AP0, AP1, AV, MagA, AUV, eps);
    calc_sums();
}

void VVector::calc_vectB()
{
    vectorOf(BP0, BP1, BV, MagB, BUV, eps);
    calc_sums();
}

void VVector::calc_sums()
{
    for (int i = 0; i < 3; ++i) {
        const Checked a = AV[i], b = BV[i];
        RestAB[i] = (a - b).v;
        RestBA[i] = (b - a).v;
        sumAb[i] = (a + b).v;
    }
}

void VVector::calc_angleAB()
{
    DotPAB = 0;
    for (int i = 0; i < 3; ++i) DotPAB = (Checked(AV[i]) * BV[i] + DotPAB).v;
    if (MagA <= eps || MagB <= eps) {
        AngleABrad = 0;
        AngleABdeg = 0;
        return;
    }
    // Rounding can push the cosine of (anti)parallel vectors a step past +-1,
    // where the arc cosine is undefined; the angle there is 0 or pi.
    const double c = std::clamp(DotPAB / (Checked(MagB) * MagA).v, -1.0, 1.0);
    const double a = Calculator::arccos(c);
    if (DotPAB > 0) AngleABrad = a;
    else AngleABrad = (c < eps - 1 || a == 0) ? pi : a;
    AngleABdeg = AngleABrad * 180 / pi;
}

void VVector::calc_xprodAB()
{
    const Vec& a = AV;
    const Vec& b = BV;
    const auto minor = [](Checked p, Checked q, Checked r, Checked s) { return (p * q - r * s).v; };
    xprodAB[0] = minor(a[1], b[2], a[2], b[1]);
    xprodAB[1] = minor(a[2], b[0], a[0], b[2]);
    xprodAB[2] = minor(a[0], b[1], a[1], b[0]);
    magXPAB = 0;
    for (int i = 0; i < 3; ++i) magXPAB = plusSquare(magXPAB, xprodAB[i]);
    magXPAB = rt::sqrt(magXPAB);
    if (magXPAB > eps)
        for (int i = 0; i < 3; ++i) ABUVXprod[i] = xprodAB[i] / magXPAB;
}
