#pragma once
// Two-layer standard atmosphere in English units: linear temperature lapse
// up to the tropopause at 36089 ft, isothermal above with exponential decay.
// Results are computed from the stored altitude on every call.
//
// The rounded constants (518.7 degR, 2116.2 lb/ft^2, the upper-layer ratios
// 0.2234, 0.2971, 0.75189) are deliberate: the windows show exactly what
// they give, including the small step across the tropopause.
//
// Getters that can overflow (pressure, density and their ratios at absurd
// negative altitudes, the speed of sound near the double range) report the
// error and return an empty result instead of a number.
#include <optional>

class Eng_atmos {
public:
    using Result = std::optional<double>;

    void setzen_hft(double h) { h_ft_ = h; }
    // Stored for callers that keep metres; every result uses the altitude in feet.
    void setzen_hmt(double h) { h_m_ = h; }

    double out_Alt_ft() const { return h_ft_; }
    double out_temp_R() const;
    double out_tisa() const;
    double out_temp_F() const;
    double out_temp_K() const;
    double out_temp_C() const;
    Result out_rho() const;
    Result out_press_psi() const;
    Result out_press_pft2() const;
    Result out_Va_fps() const;
    double out_theta() const;
    Result out_delta() const;
    double out_gamma() const { return gamma_; }

    static constexpr double layerBound = 36089;      // ft
    static constexpr double isaLayerBound = 36089.239; // ft, ISA temperature only

private:
    bool upper() const { return h_ft_ > layerBound; }

    double h_ft_ = 0;
    double h_m_ = 0;
    const double t0_ = 518.7;          // degR
    const double rho0_ = 0.002377;     // slug/ft^3
    const double lapse_ = -0.00356616; // degR/ft
    const double p0_ = 2116.2;         // lb/ft^2
    const double g_ = 32.2;            // ft/s^2
    const double gamma_ = 1.4;
    const double r_ = 53.35;           // ft*lbf/(lbm*degR)
};
