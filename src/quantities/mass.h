#pragma once
#include "quantities/Pow10.h"

// Mass factors between grams, kilograms (Kg/kg) and slugs.
// Each member returns the multiplier from its first unit to its second.
class mass {
public:
    double gr2Kg() const { return qty::p10(-3); }
    double gr2slug() const { return qty::p10(-5) * 6.854; }
    double Kg2gr() const { return qty::p10(3); }
    double kg2slug() const { return qty::p10(-2) * 6.854; }
    double slug2gr() const { return qty::p10(4) * 1.459; }
    constexpr double slug2kg() const { return 14.59; }
};
