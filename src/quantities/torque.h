#pragma once

// Torque factors between N-m, dyne-cm (dycm as target, Dycm as source),
// lbf-ft and ozf-in. Most are computed from 0.3048, 4.448 and 2.248e-6.
// Each member returns the multiplier from its first unit to its second.
class torque {
public:
    double Nm2dycm() const;
    double Nm2lbft() const;
    double Nm2ozin() const;
    double Dycm2Nm() const;
    double Dycm2lbft() const;
    double Dycm2ozin() const;
    double lbft2Nm() const;
    double lbft2dycm() const;
    double lbft2ozin() const;
    double ozin2Nm() const;
    double ozin2dycm() const;
    double ozin2lbft() const;
};
