#pragma once
// One consistent set of flight speeds at the current altitude: Mach number,
// equivalent, true and calibrated airspeed (knots) and dynamic pressure
// (lb/ft^2). Each speed setter stores its input and recomputes the other
// four through the standard atmosphere, in a fixed order of relations.
// An altitude change alone recomputes nothing: the caller sets a speed again.
//
// Each setter traps its own errors (a negative dynamic pressure, a zero
// density far above the atmosphere, overflow): the error is reported and the
// remaining relations are skipped, so fields already written keep their new
// values and the rest keep their old ones.
#include "aero/Eng_atmos.h"
#include "quantities/Velocity.h"

class Cl_Alt_spd {
public:
    Cl_Alt_spd() { atm_.setzen_hft(0); }

    void setzen_hft(double h);
    void setzen_hmt(double h);
    void setzen_qbar(double q);
    void setzen_Mach(double m);
    void setzen_keas(double v);
    void setzen_ktas(double v);
    void setzen_kcas(double v);

    double out_qbar() const { return qbar_; }
    double out_Mach() const { return mach_; }
    double out_vkeas() const { return keas_; }
    double out_vktas() const { return ktas_; }
    double out_vkcas() const { return kcas_; }

private:
    // The relations; each first refreshes the ISA temperature.
    void kcasFromMach();  // 1
    void keasFromMach();  // 2 (runs 1 first)
    void ktasFromMach();  // 3
    void qbarFromMach();  // 4
    void ktasFromQbar();  // 5
    void machFromKtas();  // 6
    void machFromKeas();  // 7
    void machFromKcas();  // 8
    void refreshT();
    double delta() const;
    double rho() const;

    Eng_atmos atm_;
    Velocity vel_;
    double mach_ = 0, keas_ = 0, ktas_ = 0, kcas_ = 0, qbar_ = 0;
    double tIsa_ = 0;   // K
    double h_ft_ = 0, h_m_ = 0;
};
