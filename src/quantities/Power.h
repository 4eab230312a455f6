#pragma once

// Power factors between watts, horsepower, Btu per minute and calories per
// second.
// Each member returns the multiplier from its first unit to its second.
class Power {
public:
    double W2Hp() const;
    double W2Btupm() const;
    double W2calpsec() const;
    double Hp2W() const;
    double Hp2Btupm() const;
    double Hp2calpsec() const;
    double Btupm2W() const;
    double Btupm2Hp() const;
    double Btupm2calpsec() const;
    double calpsec2W() const;
    double calpsec2Hp() const;
    double calpsec2Btupm() const;
};
