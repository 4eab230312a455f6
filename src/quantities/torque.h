#pragma once
#include "quantities/Pow10.h"

// Torque factors between N-m, dyne-cm (dycm as target, Dycm as source),
// lbf-ft and ozf-in. Most are computed from 0.3048, 4.448 and 2.248e-6.
// Each member returns the multiplier from its first unit to its second.
class torque {
public:
    constexpr double Nm2dycm() const { return 10000000.0; }
    constexpr double Nm2lbft() const { return 1.0 / 0.3048 / 4.448; }
    constexpr double Nm2ozin() const { return Nm2lbft() * 16.0 * 12.0; }
    constexpr double Dycm2Nm() const { return 1.0 / Nm2dycm(); }
    double Dycm2lbft() const { return qty::p10(-6) * 2.248 / 30.48; }
    double Dycm2ozin() const { return Dycm2lbft() * 16.0 * 12.0; }
    constexpr double lbft2Nm() const { return 1.0 / Nm2lbft(); }
    double lbft2dycm() const { return 1.0 / Dycm2lbft(); }
    constexpr double lbft2ozin() const { return 192.0; }
    constexpr double ozin2Nm() const { return 1.0 / Nm2ozin(); }
    double ozin2dycm() const { return 1.0 / Dycm2ozin(); }
    constexpr double ozin2lbft() const { return 1.0 / lbft2ozin(); }
};
