#include "aero/Cl_Alt_spd.h"

#include "runtime/Checked.h"
#include "runtime/Error.h"

using rt::Checked;

namespace {
constexpr double a0 = 661.4748;         // sea-level speed of sound, kt
constexpr double a0Root5 = 1479.103;    // a0 * sqrt(5), to the digits given
constexpr double aPerRootK = 38.9676;   // speed of sound in kt per sqrt(K)
const double invGammaRatio = 1.0 / 3.5; // exponent of the pitot relations

// (1 + 0.2 (V / a0)^2)^3.5 - 1: impact pressure over p0 for a calibrated speed.
Checked impactPressure(Checked kcas)
{
    const Checked r = kcas / a0;
    return rt::pow(Checked(1) + Checked(0.2) * rt::pow(r, 2), 3.5) - 1;
}
} // namespace

void Cl_Alt_spd::refreshT() { tIsa_ = atm_.out_tisa(); }
// A getter that failed reported its error and gives empty, which counts as 0.
double Cl_Alt_spd::delta() const { return atm_.out_delta().value_or(0); }
double Cl_Alt_spd::rho() const { return atm_.out_rho().value_or(0); }

void Cl_Alt_spd::kcasFromMach()
{
    refreshT();
    const Checked m = mach_;
    const Checked qc = rt::pow(Checked(1) + Checked(0.2) * rt::pow(m, 2), 3.5) - 1;
    kcas_ = (Checked(a0Root5) * rt::sqrt(rt::pow(Checked(delta()) * qc + 1, invGammaRatio) - 1)).v;
}

void Cl_Alt_spd::keasFromMach()
{
    refreshT();
    kcasFromMach();
    const Checked d = delta();
    const Checked qc = impactPressure(kcas_);
    keas_ = (Checked(a0Root5) * rt::sqrt(d * (rt::pow(qc / d + 1, invGammaRatio) - 1))).v;
}

void Cl_Alt_spd::ktasFromMach()
{
    refreshT();
    ktas_ = (Checked(mach_) * aPerRootK * rt::sqrt(tIsa_)).v;
}

void Cl_Alt_spd::qbarFromMach()
{
    refreshT();
    ktas_ = (Checked(mach_) * aPerRootK * rt::sqrt(tIsa_)).v;
    const Checked v = Checked(ktas_) * vel_.kt2fps();
    qbar_ = (Checked(0.5) * rho() * rt::pow(v, 2)).v;
}

void Cl_Alt_spd::ktasFromQbar()
{
    refreshT();
    ktas_ = (rt::sqrt(Checked(2) * qbar_ / rho()) * vel_.fps2kt()).v;
}

void Cl_Alt_spd::machFromKtas()
{
    refreshT();
    mach_ = (Checked(ktas_) / (Checked(aPerRootK) * rt::sqrt(tIsa_))).v;
}

void Cl_Alt_spd::machFromKeas()
{
    refreshT();
    mach_ = (Checked(keas_) / (Checked(a0) * rt::sqrt(delta()))).v;
}

void Cl_Alt_spd::machFromKcas()
{
    refreshT();
    const Checked qc = impactPressure(kcas_);
    mach_ = rt::sqrt(Checked(5) * (rt::pow(qc / delta() + 1, invGammaRatio) - 1)).v;
}

void Cl_Alt_spd::setzen_hft(double h)
{
    h_ft_ = h;
    atm_.setzen_hft(h);
}

void Cl_Alt_spd::setzen_hmt(double h)
{
    h_m_ = h;
    atm_.setzen_hmt(h);
}

void Cl_Alt_spd::setzen_Mach(double m)
{
    mach_ = m;
    rt::trap([&] {
        keasFromMach();
        kcasFromMach();
        ktasFromMach();
        qbarFromMach();
    });
}

void Cl_Alt_spd::setzen_keas(double v)
{
    keas_ = v;
    rt::trap([&] {
        machFromKeas();
        kcasFromMach();
        ktasFromMach();
        qbarFromMach();
    });
}

void Cl_Alt_spd::setzen_ktas(double v)
{
    ktas_ = v;
    rt::trap([&] {
        machFromKtas();
        kcasFromMach();
        keasFromMach();
        qbarFromMach();
    });
}

void Cl_Alt_spd::setzen_kcas(double v)
{
    kcas_ = v;
    rt::trap([&] {
        machFromKcas();
        ktasFromMach();
        keasFromMach();
        qbarFromMach();
    });
}

void Cl_Alt_spd::setzen_qbar(double q)
{
    qbar_ = q;
    rt::trap([&] {
        ktasFromQbar();
        machFromKtas();
        kcasFromMach();
        keasFromMach();
    });
}
