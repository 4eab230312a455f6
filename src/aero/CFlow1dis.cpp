#include "aero/CFlow1dis.h"

#include "aero/Num.h"

using aero::Num;

void CFlow1dis::setzen_Mach(double m)
{
    mach_ = m;
    recompute();
}

void CFlow1dis::setzen_gama(double g)
{
    if (!(g > 1)) return;
    gama_ = g;
    recompute();
}

void CFlow1dis::setzen_Mach_gama(double m, double g)
{
    mach_ = m;
    if (g > 1) gama_ = g;
    recompute();
}

void CFlow1dis::recompute()
{
    const Num m = mach_, g = gama_;
    const Num k = (g - 1) / 2;
    const Num s = k * m * m + 1; // stagnation term
    const Num half = (g + 1) / 2;

    mstar_ = (m * aero::pow(half / s, 0.5)).v;
    pt2ps_ = aero::pow(s, g / (g - 1)).v;
    tt2ts_ = s.v;
    rt2rs_ = aero::pow(s, Num(1) / (g - 1)).v;
    if (m == 0) a2astar_ = 0;
    else a2astar_ = (Num(1) / m * aero::pow(s / half, (g + 1) / ((g - 1) + (g - 1)))).v;
    if (gama_ == 1.0) q2pt_ = 0;
    else q2pt_ = (Num(1) / 2 * g * m * m * aero::pow(s, -g / (g - 1))).v;
}
