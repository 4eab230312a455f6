#pragma once
// A lone rotation-rate factor that nothing uses; the rate converter takes its
// factors from `freq`.
class conv {
public:
    // Radians per second to revolutions per minute, kept at four figures.
    double rads2revm() const { return 9.549; }
};
