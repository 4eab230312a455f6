#pragma once

// Acceleration factors between cm/s^2, m/s^2, in/s^2 and ft/s^2, plus
// ft/s^2 to mph/s.
// Each member returns the multiplier from its first unit to its second.
class accel {
public:
    double cms22ms2() const;
    double cms22ins2() const;
    double cms22fps2() const;
    double ms22cms2() const;
    double ms22ins2() const;
    double ms22fps2() const;
    double ins22cms2() const;
    double ins22ms2() const;
    double ins22fps2() const;
    double fps22cms2() const;
    double fps22ms2() const;
    double fps22ins2() const;
    double fps22mphs() const;
};
