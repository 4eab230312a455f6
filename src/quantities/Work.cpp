#include "quantities/Work.h"

#include "quantities/Pow10.h"

using qty::p10;

double Work::J2Ws() const { return 1.0; }
double Work::J2Wh() const { return J2Ws() * 1.0 / 3600.0; }
double Work::J2Btu() const { return 1.0 / Btu2J(); }
double Work::J2cal() const { return 0.2389; }
double Work::J2ftlb() const { return 0.7376; }
double Work::Ws2J() const { return 1.0; }
double Work::Ws2Wh() const { return 1.0 / 3600.0; }
double Work::Ws2Btu() const { return Ws2Wh() * Wh2Btu(); }
double Work::Ws2cal() const { return Ws2Wh() * Wh2cal(); }
double Work::Ws2ftlb() const { return Ws2Wh() * Wh2ftlb(); }
double Work::Wh2J() const { return 3600.0; }
double Work::Wh2Ws() const { return 3600.0; }
double Work::Wh2Btu() const { return 3.415; }
double Work::Wh2cal() const { return Wh2Btu() * Btu2cal(); }
double Work::Wh2ftlb() const { return 2655.0; }
double Work::Btu2J() const { return p10(3) * 1.055; }
double Work::Btu2Ws() const { return p10(3) * 1.055; }
double Work::Btu2Wh() const { return p10(3) * (p10(-4) * 2.93); }
// 1055.06 J / 4.1868 J = 251.996 IT calories; an older 253 was 0.4 % off.
// Wh2cal, Ws2cal and their reciprocals are built from it.
double Work::Btu2cal() const { return 252.0; }
double Work::Btu2ftlb() const { return 778.3; }
double Work::cal2J() const { return 1.0 / J2cal(); }
double Work::cal2Ws() const { return 1.0 / Ws2cal(); }
double Work::cal2Wh() const { return 1.0 / Wh2cal(); }
double Work::cal2Btu() const { return 1.0 / Btu2cal(); }
double Work::cal2ftlb() const { return 1.0 / ftlb2cal(); }
double Work::ftlb2J() const { return 1.356; }
double Work::ftlb2Ws() const { return 1.0 / Ws2ftlb(); }
double Work::ftlb2Wh() const { return p10(-4) * 3.766; }
double Work::ftlb2Btu() const { return p10(-3) * 1.285; }
double Work::ftlb2cal() const { return ftlb2J() * J2cal(); }
