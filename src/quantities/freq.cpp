#include "quantities/freq.h"

#include <cmath>

double freq::hz2rps() const { return 2.0 * PI(); }
double freq::hz2degps() const { return 360.0; }
double freq::hz2RPM() const { return 60.0; }
double freq::rads2revs() const { return 0.1592; }
double freq::rps2Hz() const { return 1.0 / (2.0 * PI()); }
double freq::rps2degps() const { return 180.0 / PI(); }
double freq::rps2RPM() const { return (1.0 / (2.0 * PI())) * 60.0; }
double freq::degps2Hz() const { return 1.0 / 360.0; }
double freq::degps2rps() const { return PI() / 180.0; }
double freq::degps2RPM() const { return (1.0 / 360.0) * 60.0; }
double freq::RPM2Hz() const { return 1.0 / 60.0; }
double freq::RPM2rps() const { return 2.0 * (1.0 / 60.0) * PI(); }
double freq::RPM2degps() const { return (1.0 / 60.0) * 360.0; }

double freq::PI() const { return 4.0 * std::atan(1.0); }
