#include "quantities/Density.h"

#include "quantities/Pow10.h"

using qty::p10;

double Density::slugft32Kgm3() const { return 1.0 / 0.001940408; }
double Density::Kgm32slugft3() const { return 0.001940408; }
double Density::Kgm32grcm3() const { return 1.0 / 1000.0; }
double Density::Kgm32lbcuin() const { return p10(-5) * 3.6128; }
double Density::Kgm32lbcuft() const { return 1.0 / lbcuft2kgm3(); }
double Density::gscm32kgm3() const { return 1000.0; }
double Density::gscm32lbcuin() const { return 0.0361281; }
double Density::gscm32lbcuft() const { return 1.0 / (p10(-2) * 1.6018); }
double Density::lbcuin2kgm3() const { return 27679.28115; }
double Density::lbcuin2grcm3() const { return 27.67928; }
double Density::lbcuin2lbcuft() const { return 1728.011; }
double Density::lbcuft2kgm3() const { return 16.018; }
double Density::lbcuft2grcm3() const { return p10(-2) * 1.6018; }
double Density::lbcuft2lbcuin() const { return p10(-4) * 5.787; }
