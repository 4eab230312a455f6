#pragma once

// Energy factors between joules, watt-seconds, watt-hours, Btu, calories
// (IT) and foot-pounds.
// Each member returns the multiplier from its first unit to its second.
class Work {
public:
    double J2Ws() const;
    double J2Wh() const;
    double J2Btu() const;
    double J2cal() const;
    double J2ftlb() const;
    double Ws2J() const;
    double Ws2Wh() const;
    double Ws2Btu() const;
    double Ws2cal() const;
    double Ws2ftlb() const;
    double Wh2J() const;
    double Wh2Ws() const;
    double Wh2Btu() const;
    double Wh2cal() const;
    double Wh2ftlb() const;
    double Btu2J() const;
    double Btu2Ws() const;
    double Btu2Wh() const;
    double Btu2cal() const;
    double Btu2ftlb() const;
    double cal2J() const;
    double cal2Ws() const;
    double cal2Wh() const;
    double cal2Btu() const;
    double cal2ftlb() const;
    double ftlb2J() const;
    double ftlb2Ws() const;
    double ftlb2Wh() const;
    double ftlb2Btu() const;
    double ftlb2cal() const;
};
