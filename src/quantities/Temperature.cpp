#include "quantities/Temperature.h"

#include "runtime/Parse.h"
#include "runtime/RtMath.h"

namespace {
constexpr double kKelvinOffset = 273.15;
constexpr double kRankineOffset = 459.67;
} // namespace

// rt::cdbl raises before the assignment, so a bad text leaves the field alone.
void Temperature::setzen_dC(const QString& v) { dC = rt::cdbl(v); }
void Temperature::setzen_dK(const QString& v) { dK = rt::cdbl(v); }
void Temperature::setzen_dF(const QString& v) { dF = rt::cdbl(v); }
void Temperature::setzen_dR(const QString& v) { dR = rt::cdbl(v); }

double Temperature::dC2dK() { return rt::add(dC, kKelvinOffset); }

// Multiplied first, then divided: 100 C gives exactly 212.
double Temperature::dC2dF() { return rt::add(rt::mul(dC, 9.0) / 5.0, 32.0); }

double Temperature::dC2dR() { return rt::add(dC2dF(), kRankineOffset); }

double Temperature::dK2dC()
{
    dC = rt::sub(dK, kKelvinOffset);
    return dC;
}

double Temperature::dK2dF()
{
    const double nineFifths = 9.0 / 5.0;
    dF = rt::add(rt::mul(rt::sub(dK, kKelvinOffset), nineFifths), 32.0);
    return dF;
}

double Temperature::dK2dR()
{
    dF = dK2dF();
    dR = rt::add(dF, kRankineOffset);
    return dR;
}

double Temperature::dF2dC()
{
    const double fiveNinths = 5.0 / 9.0;
    return rt::mul(rt::sub(dF, 32.0), fiveNinths);
}

double Temperature::dF2dK()
{
    dC = dF2dC();
    return rt::add(dC, kKelvinOffset);
}

double Temperature::dF2dR() { return rt::add(dF, kRankineOffset); }

double Temperature::dR2dC()
{
    dF = dR2dF();
    return dF2dC();
}

double Temperature::dR2dK()
{
    dF = dR2dF();
    dC = dF2dC();
    return dC2dK();
}

double Temperature::dR2dF() { return rt::sub(dR, kRankineOffset); }
