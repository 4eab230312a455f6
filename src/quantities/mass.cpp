#include "quantities/mass.h"

#include "quantities/Pow10.h"

using qty::p10;

double mass::gr2Kg() const { return p10(-3); }
double mass::gr2slug() const { return p10(-5) * 6.854; }
double mass::Kg2gr() const { return p10(3); }
double mass::kg2slug() const { return p10(-2) * 6.854; }
double mass::slug2gr() const { return p10(4) * 1.459; }
double mass::slug2kg() const { return 14.59; }
