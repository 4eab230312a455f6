#include "quantities/Velocity.h"

#include "quantities/Pow10.h"

using qty::p10;

double Velocity::fps2mms() const { return 304.8; }
double Velocity::fps2cms() const { return 30.48; }
double Velocity::fps2ms() const { return 0.3048; }
double Velocity::fps2inps() const { return 12.0; }
double Velocity::fps2kmh() const { return 1.097; }
double Velocity::fps2kt() const { return 1.0 / 1.689; }
double Velocity::fps2mph() const { return 0.6818; }
double Velocity::mms2cms() const { return 0.1; }
double Velocity::mms2ms() const { return 0.001; }
double Velocity::mms2kmh() const { return p10(-3) * 3.6; }
double Velocity::mms2inps() const { return 1.0 / 25.4; }
double Velocity::mms2fps() const { return (1.0 / 25.4) * (1.0 / 12.0); }
double Velocity::mms2mph() const { return (1.0 / 1000.0) * 3.6 / 1.60934; }
double Velocity::mms2kt() const { return (1.0 / 1000.0) * 3.6 * (1.0 / 1.852); }
double Velocity::cms2mms() const { return 10.0; }
double Velocity::cms2ms() const { return 0.01; }
double Velocity::cms2fps() const { return 1.0 / 30.48; }
double Velocity::cms2inps() const { return 1.0 / 2.54; }
double Velocity::cms2kmh() const { return 0.036; }
double Velocity::cms2mph() const { return 0.036 / 1.60934; }
double Velocity::cms2kt() const { return (1.0 / 1.852) * 0.036; }
double Velocity::ins2mph() const { return 0.09144 / 1.60934; }
double Velocity::ins2kt() const { return 0.09144 / 1.852; }
double Velocity::ins2ms() const { return 0.0254; }
double Velocity::ins2fps() const { return (1.0 / 30.48) * 2.54; }
double Velocity::ins2kph() const { return 0.09144; }
double Velocity::ins2mms() const { return 25.4; }
double Velocity::ins2cms() const { return 2.54; }
double Velocity::kmh2mms() const { return (1.0 / 3.6) * 1000.0; }
double Velocity::kmh2cms() const { return (1.0 / 3.6) * 100.0; }
double Velocity::kmh2ms() const { return 1.0 / 3.6; }
double Velocity::kmh2inps() const { return (1.0 / 3.6) * 100.0 * (1.0 / 2.54); }
double Velocity::kmh2fps() const { return 0.9113; }
double Velocity::kmh2kt() const { return 1.0 / 1.852; }
double Velocity::kmh2mph() const { return 0.6214; }
double Velocity::kt2mms() const { return (1.0 / 3.6) * 1.852 * 1000.0; }
double Velocity::kt2cms() const { return (1.0 / 3.6) * 1.852 * 100.0; }
double Velocity::kt2ms() const { return (1.0 / 3.6) * 1.852; }
double Velocity::kt2inps() const { return 20.268; }
double Velocity::kt2fps() const { return 1.689; }
double Velocity::kt2mph() const { return 1.151; }
double Velocity::kt2naumh() const { return 1.0; }
double Velocity::kt2kmh() const { return 1.852; }
double Velocity::ms2mms() const { return 1000.0; }
double Velocity::ms2cms() const { return 100.0; }
double Velocity::ms2fps() const { return 3.281; }
double Velocity::ms2kmh() const { return 3.6; }
double Velocity::ms2inps() const { return (1.0 / 2.54) * 100.0; }
double Velocity::ms2kt() const { return 1.943; }
double Velocity::ms2mph() const { return 2.237; }
double Velocity::mph2mms() const { return (1.0 / 3.6) * 1.60934 * 1000.0; }
double Velocity::mph2cms() const { return (1.0 / 3.6) * 1.60934 * 100.0; }
double Velocity::mph2ms() const { return (1.0 / 3.6) * 1.60934; }
double Velocity::mph2fps() const { return 1.0 / 0.6818; }
double Velocity::mph2inps() const { return (1.0 / 3.6) * 1.60934 * 100.0 / 2.54; }
double Velocity::mph2kmh() const { return 1.60934; }
double Velocity::mph2kt() const { return 0.8684; }
