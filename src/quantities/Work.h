#pragma once
#include "quantities/Pow10.h"

// Energy factors between joules, watt-seconds, watt-hours, Btu, calories
// (IT) and foot-pounds.
// Each member returns the multiplier from its first unit to its second.
class Work {
public:
    constexpr double J2Ws() const { return 1.0; }
    constexpr double J2Wh() const { return J2Ws() * 1.0 / 3600.0; }
    double J2Btu() const { return 1.0 / Btu2J(); }
    constexpr double J2cal() const { return 0.2389; }
    constexpr double J2ftlb() const { return 0.7376; }
    constexpr double Ws2J() const { return 1.0; }
    constexpr double Ws2Wh() const { return 1.0 / 3600.0; }
    constexpr double Ws2Btu() const { return Ws2Wh() * Wh2Btu(); }
    constexpr double Ws2cal() const { return Ws2Wh() * Wh2cal(); }
    constexpr double Ws2ftlb() const { return Ws2Wh() * Wh2ftlb(); }
    constexpr double Wh2J() const { return 3600.0; }
    constexpr double Wh2Ws() const { return 3600.0; }
    constexpr double Wh2Btu() const { return 3.415; }
    constexpr double Wh2cal() const { return Wh2Btu() * Btu2cal(); }
    constexpr double Wh2ftlb() const { return 2655.0; }
    double Btu2J() const { return qty::p10(3) * 1.055; }
    double Btu2Ws() const { return qty::p10(3) * 1.055; }
    double Btu2Wh() const { return qty::p10(3) * (qty::p10(-4) * 2.93); }
    // 1055.06 J / 4.1868 J = 251.996 IT calories; an older 253 was 0.4 % off.
    // Wh2cal, Ws2cal and their reciprocals are built from it.
    constexpr double Btu2cal() const { return 252.0; }
    constexpr double Btu2ftlb() const { return 778.3; }
    constexpr double cal2J() const { return 1.0 / J2cal(); }
    constexpr double cal2Ws() const { return 1.0 / Ws2cal(); }
    constexpr double cal2Wh() const { return 1.0 / Wh2cal(); }
    constexpr double cal2Btu() const { return 1.0 / Btu2cal(); }
    constexpr double cal2ftlb() const { return 1.0 / ftlb2cal(); }
    constexpr double ftlb2J() const { return 1.356; }
    constexpr double ftlb2Ws() const { return 1.0 / Ws2ftlb(); }
    double ftlb2Wh() const { return qty::p10(-4) * 3.766; }
    double ftlb2Btu() const { return qty::p10(-3) * 1.285; }
    constexpr double ftlb2cal() const { return ftlb2J() * J2cal(); }
};
