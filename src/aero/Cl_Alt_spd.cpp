#include "aero/Cl_Alt_spd.h"

#include "aero/Num.h"
#include "runtime/Error.h"

using aero::Num;

namespace {
constexpr double a0 = 661.4748;         // sea-level speed of sound, kt
constexpr double a0Root5 = 1479.103;    // a0 * sqrt(5), to the digits given
constexpr double aPerRootK = 38.9676;   // speed of sound in kt per sqrt(K)
const double invGammaRatio = 1.0 / 3.5; // exponent of the pitot relations

// (1 + 0.2 (V / a0)^2)^3.5 - 1: impact pressure over p0 for a calibrated speed.
Num impactPressure(Num kcas)
{
    const Num r = kcas / a0;
    return aero::pow(Num(1) + Num(0.2) * aero::pow(r, 2), 3.5) - 1;
}
} // namespace

void Cl_Alt_spd::refreshT() { tIsa_ = atm_.out_tisa(); }
// A getter that failed reported its error and gives empty, which counts as 0.
double Cl_Alt_spd::delta() const { return atm_.out_delta().value_or(0); }
double Cl_Alt_spd::rho() const { return atm_.out_rho().value_or(0); }

void Cl_Alt_spd::kcasFromMach()
{
    refreshT();
    const Num m = mach_;
    const Num qc = aero::pow(Num(1) + Num(0.2) * aero::pow(m, 2), 3.5) - 1;
    kcas_ = (Num(a0Root5) * aero::sqrt(aero::pow(Num(delta()) * qc + 1, invGammaRatio) - 1)).v;
}

void Cl_Alt_spd::keasFromMach()
{
    refreshT();
    kcasFromMach();
    const Num d = delta();
    const Num qc = impactPressure(kcas_);
    keas_ = (Num(a0Root5) * aero::sqrt(d * (aero::pow(qc / d + 1, invGammaRatio) - 1))).v;
}

void Cl_Alt_spd::ktasFromMach()
{
    refreshT();
    ktas_ = (Num(mach_) * aPerRootK * aero::sqrt(tIsa_)).v;
}

void Cl_Alt_spd::qbarFromMach()
{
    refreshT();
    ktas_ = (Num(mach_) * aPerRootK * aero::sqrt(tIsa_)).v;
    const Num v = Num(ktas_) * vel_.kt2fps();
    qbar_ = (Num(0.5) * rho() * aero::pow(v, 2)).v;
}

void Cl_Alt_spd::ktasFromQbar()
{
    refreshT();
    ktas_ = (aero::sqrt(Num(2) * qbar_ / rho()) * vel_.fps2kt()).v;
}

void Cl_Alt_spd::machFromKtas()
{
    refreshT();
    mach_ = (Num(ktas_) / (Num(aPerRootK) * aero::sqrt(tIsa_))).v;
}

void Cl_Alt_spd::machFromKeas()
{
    refreshT();
    mach_ = (Num(keas_) / (Num(a0) * aero::sqrt(delta()))).v;
}

void Cl_Alt_spd::machFromKcas()
{
    refreshT();
    const Num qc = impactPressure(kcas_);
    mach_ = aero::sqrt(Num(5) * (aero::pow(qc / delta() + 1, invGammaRatio) - 1)).v;
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
