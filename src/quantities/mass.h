#pragma once

// Mass factors between grams, kilograms (Kg/kg) and slugs.
// Each member returns the multiplier from its first unit to its second.
class mass {
public:
    double gr2Kg() const;
    double gr2slug() const;
    double Kg2gr() const;
    double kg2slug() const;
    double slug2gr() const;
    double slug2kg() const;
};
