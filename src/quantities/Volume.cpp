#include "quantities/Volume.h"

#include "quantities/Pow10.h"

using qty::p10;

double Volume::barrl2gal() const { return 31.5; }
double Volume::barrl2m3() const { return 0.1192; }
double Volume::cm32cuft() const { return p10(-5) * 3.531; }
double Volume::cm32cuin() const { return p10(-2) * 6.102; }
double Volume::cm32m3() const { return p10(-6); }
double Volume::cm32cuyd() const { return p10(-6) * 1.308; }
double Volume::cm32floz() const { return p10(-2) * 3.381; }
double Volume::cuft2cm3() const { return p10(4) * 2.832; }
double Volume::cuft2cuin() const { return p10(3) * 1.728; }
double Volume::cuft2m3() const { return p10(-2) * 2.832; }
double Volume::cuft2lit() const { return 28.317; }
double Volume::cuft2gal() const { return 7.481; }
double Volume::cuft2bush() const { return 0.80356; }
double Volume::cuin2cm3() const { return 16.39; }
double Volume::cuin2cuft() const { return p10(-4) * 5.787; }
double Volume::cuin2m3() const { return p10(-5) * 1.639; }
double Volume::m32cm3() const { return p10(6); }
double Volume::m32cuft() const { return 35.31; }
double Volume::m32cuin() const { return p10(4) * 6.102; }
double Volume::m32cuya() const { return 1.308; }
// 231 in^3 / 1728; an older 0.133868 here was 0.14 % off.
double Volume::gal2cuft() const { return 0.13368; }
double Volume::gal2lit() const { return 3.78542; }
double Volume::gal2m3() const { return p10(-3) * 3.78542; }
double Volume::gal2cuin() const { return 231.0; }
double Volume::gal2floz() const { return 128.0; }
double Volume::gal2Pi() const { return 8.0; }
double Volume::gal2qa() const { return 4.0; }
double Volume::impgal22cuin() const { return 277.4; }
double Volume::impgal2ga() const { return 1.201; }
double Volume::impgal2lit() const { return 4.546; }
double Volume::lit2cuft() const { return p10(-2) * 3.532; }
double Volume::lit2ga() const { return 0.26417; }
double Volume::lit2m3() const { return p10(-3); }
// US liquid pints per litre; an older 2.109 here was 0.2 % off.
double Volume::lit2Pi() const { return 2.1134; }
double Volume::lit2qa() const { return 1.05669; }
double Volume::lit2floz() const { return 33.8142; }
double Volume::pi2cuft() const { return 0.01671; }
double Volume::pi2ga() const { return 0.125; }
double Volume::pi2lit() const { return 0.4732; }
double Volume::pi2qa() const { return 0.5; }
double Volume::pi2cuin() const { return 28.875; }
double Volume::pi2floz() const { return 16.0; }
double Volume::qa2cuft() const { return p10(-4) * 334.2; }
double Volume::qa2ga() const { return 0.25; }
double Volume::qa2lit() const { return 0.9463; }
double Volume::qa2Pi() const { return 2.0; }
double Volume::cup2Floz() const { return 8.0; }
double Volume::cup2gal() const { return 1.0 / 16.0; }
