#pragma once

// Length factors, plus three speed factors for knots. The rounded
// constants (kt2ft 1.689, m2ft 3.281 ...) are what the program shows; they are
// not exact reciprocals of one another and must not be "improved".
// Each member returns the multiplier from its first unit to its second.
class Length {
public:
    double kt2ft() const;
    double kt2mph() const;
    double kt2kmh() const;
    double cm2ft() const;
    double cm2in() const;
    double cm2km() const;
    double cm2m() const;
    double cm2yd() const;
    double mm2yd() const;
    double ft2cm() const;
    double ft2m() const;
    double ft2km() const;
    double ft2in() const;
    double ft2mi() const;
    double ft2ya() const;
    double in2cm() const;
    double in2ft() const;
    double in2m() const;
    double in2ya() const;
    double in2mils() const;
    double m2cm() const;
    double m2ft() const;
    double m2in() const;
    double m2km() const;
    double m2mi() const;
    double m2ya() const;
    double mi2ft() const;
    double mi2km() const;
    double mi2ya() const;
    double mi2naumi() const;
    double naumi2ft() const;
    double naumi2m() const;
    double naumi2mi() const;
    double ya2cm() const;
    double ya2ft() const;
    double ya2in() const;
    double ya2m() const;
    double ya2mi() const;
};
