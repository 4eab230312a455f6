#pragma once

// Acceleration factors between cm/s^2, m/s^2, in/s^2 and ft/s^2, plus
// ft/s^2 to mph/s.
// Each member returns the multiplier from its first unit to its second.
class accel {
public:
    constexpr double cms22ms2() const { return 0.01; }
    constexpr double cms22ins2() const { return 1.0 / 2.54; }
    constexpr double cms22fps2() const { return 1.0 / 30.48; }
    constexpr double ms22cms2() const { return 100.0; }
    constexpr double ms22ins2() const { return 1.0 / 0.0254; }
    constexpr double ms22fps2() const { return 1.0 / 0.3048; }
    constexpr double ins22cms2() const { return 2.54; }
    constexpr double ins22ms2() const { return 0.0254; }
    constexpr double ins22fps2() const { return 1.0 / 12.0; }
    constexpr double fps22cms2() const { return 30.48; }
    constexpr double fps22ms2() const { return 0.3048; }
    constexpr double fps22ins2() const { return 12.0; }
    constexpr double fps22mphs() const { return 0.6818; }
};
