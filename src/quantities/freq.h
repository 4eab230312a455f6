#pragma once

// Rates of rotation: Hz (revolutions per second), rad/s (rps, rads),
// deg/s and RPM. Factors with pi take it from PI() on each call.
// Each member returns the multiplier from its first unit to its second.
class freq {
public:
    double hz2rps() const;
    double hz2degps() const;
    double hz2RPM() const;
    double rads2revs() const;
    double rps2Hz() const;
    double rps2degps() const;
    double rps2RPM() const;
    double degps2Hz() const;
    double degps2rps() const;
    double degps2RPM() const;
    double RPM2Hz() const;
    double RPM2rps() const;
    double RPM2degps() const;

private:
    double PI() const;
};
