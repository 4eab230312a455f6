#include "aero/CFlow1DShockNormal.h"

#include "runtime/Checked.h"

using rt::Checked;

void CFlow1DShockNormal::setzen_Mx(double m)
{
    mx_ = m;
    recompute();
}

void CFlow1DShockNormal::setzen_gama(double g)
{
    if (!(g > 1)) return;
    gama_ = g;
    recompute();
}

void CFlow1DShockNormal::setzen_Mx_gama(double m, double g)
{
    mx_ = m;
    if (g > 1) gama_ = g;
    recompute();
}

void CFlow1DShockNormal::recompute()
{
    using rt::pow;
    const Checked m = mx_, g = gama_;
    const Checked d = Checked(2) * g * m * m - g + 1;
    const Checked n = (g - 1) * m * m + 2;
    const Checked pressureRise = Checked(2) * g * pow(m, 2) - (g - 1);

    my_ = d > 0 ? rt::sqrt(n / d).v : 0;
    psy2psx_ = (pressureRise / (g + 1)).v;
    if (d > 0)
        pty2ptx_ = (pow((g + 1) * pow(m, 2) / n, g / (g - 1)) * pow((g + 1) / pressureRise, Checked(1) / (g - 1))).v;
    else
        pty2ptx_ = 0;
    const Checked e = pow(g + 1, 2) * pow(m, 2);
    tsy2tsx_ = e != 0 ? (pressureRise * n / e).v : 0;
    tsy2ttx_ = (Checked(1) / (Checked(1) + (g - 1) / 2 * pow(my_, 2))).v;
    rhsy2rhsx_ = ((g + 1) * m * m / n).v;
    const Checked compression = (g + 1) * m * m;
    uy2ux_ = compression != 0 ? (Checked(1) / (compression / n)).v : 0;
    // Upstream static over upstream total pressure, times the static pressure rise.
    psy2ptx_ = (Checked(psy2psx_) * pow(Checked(1) + (g - 1) / 2 * pow(m, 2), -g / (g - 1))).v;
}
