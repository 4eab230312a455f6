#include "quantities/torque.h"

#include "quantities/Pow10.h"

using qty::p10;

double torque::Nm2dycm() const { return 10000000.0; }
double torque::Nm2lbft() const { return 1.0 / 0.3048 / 4.448; }
double torque::Nm2ozin() const { return Nm2lbft() * 16.0 * 12.0; }
double torque::Dycm2Nm() const { return 1.0 / Nm2dycm(); }
double torque::Dycm2lbft() const { return p10(-6) * 2.248 / 30.48; }
double torque::Dycm2ozin() const { return Dycm2lbft() * 16.0 * 12.0; }
double torque::lbft2Nm() const { return 1.0 / Nm2lbft(); }
double torque::lbft2dycm() const { return 1.0 / Dycm2lbft(); }
double torque::lbft2ozin() const { return 192.0; }
double torque::ozin2Nm() const { return 1.0 / Nm2ozin(); }
double torque::ozin2dycm() const { return 1.0 / Dycm2ozin(); }
double torque::ozin2lbft() const { return 1.0 / lbft2ozin(); }
