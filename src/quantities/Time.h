#pragma once

// Time factors between days, hours, minutes, seconds and milliseconds.
// Multi-step factors are products of the single steps, left to right.
// Each member returns the multiplier from its first unit to its second.
class Time {
public:
    double day2hour() const;
    double day2min() const;
    double day2sec() const;
    double day2msec() const;
    double hour2day() const;
    double hour2min() const;
    double hour2sec() const;
    double hour2msec() const;
    double min2day() const;
    double min2hour() const;
    double min2sec() const;
    double min2msec() const;
    double sec2day() const;
    double sec2hour() const;
    double sec2min() const;
    double sec2msec() const;
    double msec2day() const;
    double msec2hour() const;
    double msec2min() const;
    double msec2sec() const;
};
