#pragma once
// One-dimensional isentropic flow of a perfect gas: for a Mach number and a
// ratio of specific heats, the characteristic Mach number and the total to
// static pressure, temperature and density ratios, the area ratio A/A* and
// the ratio of dynamic to total pressure. Each accepted setter recomputes
// and stores all six; getters return the stored values.
//
// Recomputation raises rt::RuntimeError on overflow (a large Mach number
// with gamma close to 1); the ratios formed before the failing one keep
// their new values. The caller's trap reports it.
class CFlow1dis {
public:
    void setzen_Mach(double m);
    // gamma must exceed 1 (it divides the exponents); other values are ignored.
    void setzen_gama(double g);
    // Both inputs, Mach first, stored before anything is computed: a failed
    // computation never keeps a sound gamma from being taken.
    void setzen_Mach_gama(double m, double g);
    // Stores M* alone; the next recomputation overwrites it.
    void setzen_Mstar(double m) { mstar_ = m; }

    double out_Mach() const { return mach_; }
    double out_Gama() const { return gama_; }
    double out_Mstar() const { return mstar_; }
    double out_Pt2Ps() const { return pt2ps_; }
    double out_Tt2Ts() const { return tt2ts_; }
    double out_Rt2Rs() const { return rt2rs_; }
    double out_A2AStar() const { return a2astar_; }
    double out_q2Pt() const { return q2pt_; }

private:
    void recompute();

    double mach_ = 0;
    double gama_ = 1.4;
    double mstar_ = 0, pt2ps_ = 0, tt2ts_ = 0, rt2rs_ = 0, a2astar_ = 0, q2pt_ = 0;
};
