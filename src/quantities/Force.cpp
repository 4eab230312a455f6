#include "quantities/Force.h"

#include "quantities/Pow10.h"

using qty::p10;

double Force::grf2kgf() const { return p10(-3); }
double Force::grf2N() const { return p10(-3) * 9.807; }
double Force::grf2dyne() const { return 1.0 / (p10(-3) * 1.02); }
double Force::grf2lb() const { return p10(-3) * 2.205; }
double Force::grf2oz() const { return p10(-2) * 3.528; }
double Force::Kgf2grf() const { return 1000.0; }
double Force::kgf2N() const { return 9.807; }
double Force::kgf2dyne() const { return 1000.0 / (p10(-3) * 1.02); }
double Force::kgf2lb() const { return 2.205; }
double Force::kgf2oz() const { return 35.28; }
double Force::N2kgf() const { return 1.0 / 9.807; }
double Force::N2grf() const { return p10(3) / 9.807; }
double Force::N2dyne() const { return p10(5); }
double Force::N2lb() const { return 2.205 / 9.807; }
double Force::N2oz() const { return 35.28 / 9.807; }
double Force::dyne2kgf() const { return p10(-5) / 9.807; }
double Force::dyne2grf() const { return p10(-3) * 1.02; }
double Force::dyne2N() const { return p10(-5); }
double Force::dyne2lb() const { return p10(-6) * 2.248; }
double Force::dyne2oz() const { return p10(-2) * (p10(-3) * 1.02 * 3.528); }
double Force::lb2kgf() const { return 0.4536; }
double Force::lb2grf() const { return p10(3) * 0.4536; }
double Force::lb2dyne() const { return p10(3) * 0.4536 * 980.7; }
double Force::lb2N() const { return 0.4536 * 9.807; }
double Force::lb2oz() const { return p10(-2) * 1600.3008; }
double Force::oz2kgf() const { return (1.0 / 16.0) * 0.4536; }
double Force::oz2grf() const { return (1.0 / 16.0) * 0.4536 * 1000.0; }
double Force::oz2dyne() const { return (1.0 / 16.0) * 0.4536 * 1000.0 * 980.7; }
double Force::oz2lb() const { return 1.0 / 16.0; }
double Force::oz2N() const { return (1.0 / 16.0) * 0.4536 * 9.807; }
