#include "aero/CFlow1dis.h"

#include "runtime/Checked.h"

using rt::Checked;

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
    const Checked m = mach_, g = gama_;
    const Checked k = (g - 1) / 2;
    const Checked s = k * m * m + 1; // stagnation term
    const Checked half = (g + 1) / 2;

    mstar_ = (m * rt::pow(half / s, 0.5)).v;
    pt2ps_ = rt::pow(s, g / (g - 1)).v;
    tt2ts_ = s.v;
    rt2rs_ = rt::pow(s, Checked(1) / (g - 1)).v;
    if (m == 0) a2astar_ = 0;
    else a2astar_ = (Checked(1) / m * rt::pow(s / half, (g + 1) / ((g - 1) + (g - 1)))).v;
    if (gama_ == 1.0) q2pt_ = 0;
    else q2pt_ = (Checked(1) / 2 * g * m * m * rt::pow(s, -g / (g - 1))).v;
}
