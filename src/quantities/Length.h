#pragma once
#include "quantities/Pow10.h"

// Length factors, plus three speed factors for knots. The rounded
// constants (kt2ft 1.689, m2ft 3.281 ...) are what the program shows; they are
// not exact reciprocals of one another and must not be "improved".
// Each member returns the multiplier from its first unit to its second.
class Length {
public:
    constexpr double kt2ft() const { return 1.689; }
    constexpr double kt2mph() const { return 1.151; }
    constexpr double kt2kmh() const { return 1.852; }
    constexpr double cm2ft() const { return 0.03281; }
    constexpr double cm2in() const { return 0.3938; }
    double cm2km() const { return qty::p10(-5); }
    double cm2m() const { return qty::p10(-2); }
    constexpr double cm2yd() const { return 1.0 / 91.44; }
    constexpr double mm2yd() const { return 1.0 / 914.4; }
    constexpr double ft2cm() const { return 30.48; }
    constexpr double ft2m() const { return 0.3048; }
    double ft2km() const { return qty::p10(-4) * 3.048; }
    constexpr double ft2in() const { return 12.0; }
    double ft2mi() const { return qty::p10(-4) * 1.894; }
    constexpr double ft2ya() const { return 0.333333; }
    constexpr double in2cm() const { return 2.54; }
    constexpr double in2ft() const { return 0.08333; }
    constexpr double in2m() const { return 0.0254; }
    constexpr double in2ya() const { return 0.02778; }
    constexpr double in2mils() const { return 1000.0; }
    constexpr double m2cm() const { return 100.0; }
    constexpr double m2ft() const { return 3.281; }
    constexpr double m2in() const { return 39.37; }
    constexpr double m2km() const { return 0.001; }
    double m2mi() const { return qty::p10(-4) * 6.214; }
    constexpr double m2ya() const { return 1.094; }
    constexpr double mi2ft() const { return 5280.0; }
    constexpr double mi2km() const { return 1.609; }
    constexpr double mi2ya() const { return 1760.0; }
    constexpr double mi2naumi() const { return 0.868976; }
    constexpr double naumi2ft() const { return 6076.0; }
    constexpr double naumi2m() const { return 1852.0; }
    constexpr double naumi2mi() const { return 1.15078; }
    constexpr double ya2cm() const { return 91.44; }
    constexpr double ya2ft() const { return 3.0; }
    constexpr double ya2in() const { return 36.0; }
    constexpr double ya2m() const { return 0.9144; }
    double ya2mi() const { return qty::p10(-4) * 5.682; }
};
