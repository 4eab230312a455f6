#pragma once

// Time factors between days, hours, minutes, seconds and milliseconds.
// Multi-step factors are products of the single steps, left to right.
// Each member returns the multiplier from its first unit to its second.
class Time {
public:
    constexpr double day2hour() const { return 24.0; }
    constexpr double day2min() const { return day2hour() * hour2min(); }
    constexpr double day2sec() const { return day2hour() * hour2min() * min2sec(); }
    constexpr double day2msec() const { return day2hour() * hour2min() * min2sec() * sec2msec(); }
    constexpr double hour2day() const { return 1.0 / 24.0; }
    constexpr double hour2min() const { return 60.0; }
    constexpr double hour2sec() const { return hour2min() * min2sec(); }
    constexpr double hour2msec() const { return hour2min() * min2sec() * sec2msec(); }
    constexpr double min2day() const { return min2hour() * hour2day(); }
    constexpr double min2hour() const { return 1.0 / 60.0; }
    constexpr double min2sec() const { return 60.0; }
    constexpr double min2msec() const { return min2sec() * sec2msec(); }
    constexpr double sec2day() const { return sec2min() * min2hour() * hour2day(); }
    constexpr double sec2hour() const { return sec2min() * min2hour(); }
    constexpr double sec2min() const { return 1.0 / 60.0; }
    constexpr double sec2msec() const { return 1000.0; }
    constexpr double msec2day() const { return msec2sec() * sec2min() * min2hour() * hour2day(); }
    constexpr double msec2hour() const { return msec2sec() * sec2min() * min2hour(); }
    constexpr double msec2min() const { return msec2sec() * sec2min(); }
    constexpr double msec2sec() const { return 1.0 / 1000.0; }
};
