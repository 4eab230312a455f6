#include "quantities/Length.h"

#include "quantities/Pow10.h"

using qty::p10;

double Length::kt2ft() const { return 1.689; }
double Length::kt2mph() const { return 1.151; }
double Length::kt2kmh() const { return 1.852; }
double Length::cm2ft() const { return 0.03281; }
double Length::cm2in() const { return 0.3938; }
double Length::cm2km() const { return p10(-5); }
double Length::cm2m() const { return p10(-2); }
double Length::cm2yd() const { return 1.0 / 91.44; }
double Length::mm2yd() const { return 1.0 / 914.4; }
double Length::ft2cm() const { return 30.48; }
double Length::ft2m() const { return 0.3048; }
double Length::ft2km() const { return p10(-4) * 3.048; }
double Length::ft2in() const { return 12.0; }
double Length::ft2mi() const { return p10(-4) * 1.894; }
double Length::ft2ya() const { return 0.333333; }
double Length::in2cm() const { return 2.54; }
double Length::in2ft() const { return 0.08333; }
double Length::in2m() const { return 0.0254; }
double Length::in2ya() const { return 0.02778; }
double Length::in2mils() const { return 1000.0; }
double Length::m2cm() const { return 100.0; }
double Length::m2ft() const { return 3.281; }
double Length::m2in() const { return 39.37; }
double Length::m2km() const { return 0.001; }
double Length::m2mi() const { return p10(-4) * 6.214; }
double Length::m2ya() const { return 1.094; }
double Length::mi2ft() const { return 5280.0; }
double Length::mi2km() const { return 1.609; }
double Length::mi2ya() const { return 1760.0; }
double Length::mi2naumi() const { return 0.868976; }
double Length::naumi2ft() const { return 6076.0; }
double Length::naumi2m() const { return 1852.0; }
double Length::naumi2mi() const { return 1.15078; }
double Length::ya2cm() const { return 91.44; }
double Length::ya2ft() const { return 3.0; }
double Length::ya2in() const { return 36.0; }
double Length::ya2m() const { return 0.9144; }
double Length::ya2mi() const { return p10(-4) * 5.682; }
