#include "aero/Eng_atmos.h"

#include "runtime/Checked.h"
#include "runtime/Error.h"

using rt::Checked;

namespace {
// Runs one getter's formula under its own error trap.
template <class F>
Eng_atmos::Result trapped(F&& f)
{
    Eng_atmos::Result r;
    rt::trap([&] { r = f().v; });
    return r;
}

Checked upperDecay(double h) { return rt::exp(-(Checked(h) - 36089) / 20806.7); }
} // namespace

double Eng_atmos::out_temp_R() const
{
    if (upper()) return 390;
    return t0_ + lapse_ * h_ft_;
}

double Eng_atmos::out_tisa() const
{
    if (h_ft_ > isaLayerBound) return 216.65;
    return 288.15 - 0.0019812 * h_ft_;
}

double Eng_atmos::out_temp_F() const { return out_temp_R() - 459.7; }
double Eng_atmos::out_temp_K() const { return out_temp_R() * (5.0 / 9.0); }
double Eng_atmos::out_temp_C() const { return out_temp_R() * (5.0 / 9.0) - 273.15; }

double Eng_atmos::out_theta() const
{
    if (upper()) return 0.75189;
    return 1 + (lapse_ / t0_) * h_ft_;
}

Eng_atmos::Result Eng_atmos::out_delta() const
{
    return trapped([&] {
        if (upper()) return Checked(0.2234) * upperDecay(h_ft_);
        return rt::pow(Checked(out_theta()), 5.2561);
    });
}

Eng_atmos::Result Eng_atmos::out_press_pft2() const
{
    return trapped([&] {
        if (upper()) return Checked(p0_) * 0.2234 * upperDecay(h_ft_);
        return rt::pow(Checked(out_theta()), 5.2561) * p0_;
    });
}

Eng_atmos::Result Eng_atmos::out_press_psi() const
{
    return trapped([&] {
        if (upper()) return Checked(p0_) * 0.2234 * upperDecay(h_ft_) / 144;
        return rt::pow(Checked(out_theta()), 5.2561) * p0_ / 144;
    });
}

Eng_atmos::Result Eng_atmos::out_rho() const
{
    return trapped([&] {
        if (upper()) return upperDecay(h_ft_) * rho0_ * 0.2971;
        const Checked sigma = rt::pow(Checked(out_theta()), 4.2561);
        return sigma * rho0_;
    });
}

Eng_atmos::Result Eng_atmos::out_Va_fps() const
{
    return trapped([&] { return rt::pow(Checked(out_temp_R()) * (Checked(r_) * gamma_ * g_), 0.5); });
}
