#pragma once
// Relations across a stationary normal shock in a perfect gas: for the
// upstream Mach number Mx and gamma, the downstream Mach number My and the
// downstream-to-upstream ratios (x in front of the shock, y behind it,
// s static, t total). Each accepted setter recomputes and stores them all.
//
// Nothing requires Mx >= 1: the guards only keep roots and quotients defined
// (My and Pty/Ptx become 0 where 2 gamma Mx^2 - gamma + 1 <= 0). Overflow
// raises rt::RuntimeError for the caller's trap.
class CFlow1DShockNormal {
public:
    void setzen_Mx(double m);
    // gamma must exceed 1 (it divides the exponents); other values are ignored.
    void setzen_gama(double g);
    // Both inputs, Mach first, stored before anything is computed: a failed
    // computation never keeps a sound gamma from being taken.
    void setzen_Mx_gama(double m, double g);

    double out_Mx() const { return mx_; }
    double out_Gama() const { return gama_; }
    double out_My() const { return my_; }
    double out_Psy2Psx() const { return psy2psx_; }
    double out_Pty2Ptx() const { return pty2ptx_; }
    // Static pressure behind the shock over the total pressure in front of it.
    double out_Psy2Ptx() const { return psy2ptx_; }
    double out_Tsy2Tsx() const { return tsy2tsx_; }
    double out_Tsy2Ttx() const { return tsy2ttx_; }
    double out_Rhsy2Rhsx() const { return rhsy2rhsx_; }
    double out_Uy2Ux() const { return uy2ux_; }

private:
    void recompute();

    double mx_ = 1.0;
    double gama_ = 1.4;
    double my_ = 0, psy2psx_ = 0, pty2ptx_ = 0, tsy2tsx_ = 0, tsy2ttx_ = 0, rhsy2rhsx_ = 0, uy2ux_ = 0;
    double psy2ptx_ = 0;
};
