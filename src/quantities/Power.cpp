#include "quantities/Power.h"

#include "quantities/Pow10.h"

using qty::p10;

double Power::W2Hp() const { return p10(-3) * 1.341; }
double Power::W2Btupm() const { return p10(-2) * 5.689; }
double Power::W2calpsec() const { return 0.2388; }
double Power::Hp2W() const { return 745.7; }
double Power::Hp2Btupm() const { return 42.42; }
double Power::Hp2calpsec() const { return Hp2W() * W2calpsec(); }
double Power::Btupm2W() const { return 17.58; }
double Power::Btupm2Hp() const { return p10(-2) * 2.357; }
// Through watts, as Hp2calpsec does for horsepower.
double Power::Btupm2calpsec() const { return Btupm2W() * W2calpsec(); }
double Power::calpsec2W() const { return 1.0 / W2calpsec(); }
double Power::calpsec2Hp() const { return 1.0 / Hp2calpsec(); }
double Power::calpsec2Btupm() const { return 1.0 / Btupm2calpsec(); }
