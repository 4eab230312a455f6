#include "quantities/Temperature.h"

#include "runtime/Checked.h"
#include "runtime/Parse.h"

namespace {
using rt::Checked;
constexpr double kKelvinOffset = 273.15;
constexpr double kRankineOffset = 459.67;
} // namespace

// rt::cdbl raises before the assignment, so a bad text leaves the field alone.
void Temperature::setzen_dC(const QString& v) { dC = rt::cdbl(v); }
void Temperature::setzen_dK(const QString& v) { dK = rt::cdbl(v); }
void Temperature::setzen_dF(const QString& v) { dF = rt::cdbl(v); }
void Temperature::setzen_dR(const QString& v) { dR = rt::cdbl(v); }

double Temperature::dC2dK() { return (Checked(dC) + kKelvinOffset).v; }

// Multiplied first, then divided: 100 C gives exactly 212.
double Temperature::dC2dF() { return (Checked(dC) * 9.0 / 5.0 + 32.0).v; }

double Temperature::dC2dR() { return (Checked(dC2dF()) + kRankineOffset).v; }

double Temperature::dK2dC()
{
    dC = (Checked(dK) - kKelvinOffset).v;
    return dC;
}

double Temperature::dK2dF()
{
    const double nineFifths = 9.0 / 5.0;
    dF = ((Checked(dK) - kKelvinOffset) * nineFifths + 32.0).v;
    return dF;
}

double Temperature::dK2dR()
{
    dF = dK2dF();
    dR = (Checked(dF) + kRankineOffset).v;
    return dR;
}

double Temperature::dF2dC()
{
    const double fiveNinths = 5.0 / 9.0;
    return ((Checked(dF) - 32.0) * fiveNinths).v;
}

double Temperature::dF2dK()
{
    dC = dF2dC();
    return (Checked(dC) + kKelvinOffset).v;
}

double Temperature::dF2dR() { return (Checked(dF) + kRankineOffset).v; }

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

double Temperature::dR2dF() { return (Checked(dR) - kRankineOffset).v; }
