#pragma once
#include "quantities/Pow10.h"

// Speed factors between mm/s, cm/s, m/s, km/h, ft/s, in/s ("ins" as source,
// "inps" as target), mph and knots. Several are short literals of their own
// (kt2fps 1.689, ms2fps 3.281), the others are computed from 2.54, 3.6,
// 1.60934 and 1.852 in the written order, which fixes the last bit.
// Each member returns the multiplier from its first unit to its second.
class Velocity {
public:
    constexpr double fps2mms() const { return 304.8; }
    constexpr double fps2cms() const { return 30.48; }
    constexpr double fps2ms() const { return 0.3048; }
    constexpr double fps2inps() const { return 12.0; }
    constexpr double fps2kmh() const { return 1.097; }
    constexpr double fps2kt() const { return 1.0 / 1.689; }
    constexpr double fps2mph() const { return 0.6818; }
    constexpr double mms2cms() const { return 0.1; }
    constexpr double mms2ms() const { return 0.001; }
    double mms2kmh() const { return qty::p10(-3) * 3.6; }
    constexpr double mms2inps() const { return 1.0 / 25.4; }
    constexpr double mms2fps() const { return (1.0 / 25.4) * (1.0 / 12.0); }
    constexpr double mms2mph() const { return (1.0 / 1000.0) * 3.6 / 1.60934; }
    constexpr double mms2kt() const { return (1.0 / 1000.0) * 3.6 * (1.0 / 1.852); }
    constexpr double cms2mms() const { return 10.0; }
    constexpr double cms2ms() const { return 0.01; }
    constexpr double cms2fps() const { return 1.0 / 30.48; }
    constexpr double cms2inps() const { return 1.0 / 2.54; }
    constexpr double cms2kmh() const { return 0.036; }
    constexpr double cms2mph() const { return 0.036 / 1.60934; }
    constexpr double cms2kt() const { return (1.0 / 1.852) * 0.036; }
    constexpr double ins2mph() const { return 0.09144 / 1.60934; }
    constexpr double ins2kt() const { return 0.09144 / 1.852; }
    constexpr double ins2ms() const { return 0.0254; }
    constexpr double ins2fps() const { return (1.0 / 30.48) * 2.54; }
    constexpr double ins2kph() const { return 0.09144; }
    constexpr double ins2mms() const { return 25.4; }
    constexpr double ins2cms() const { return 2.54; }
    constexpr double kmh2mms() const { return (1.0 / 3.6) * 1000.0; }
    constexpr double kmh2cms() const { return (1.0 / 3.6) * 100.0; }
    constexpr double kmh2ms() const { return 1.0 / 3.6; }
    constexpr double kmh2inps() const { return (1.0 / 3.6) * 100.0 * (1.0 / 2.54); }
    constexpr double kmh2fps() const { return 0.9113; }
    constexpr double kmh2kt() const { return 1.0 / 1.852; }
    constexpr double kmh2mph() const { return 0.6214; }
    constexpr double kt2mms() const { return (1.0 / 3.6) * 1.852 * 1000.0; }
    constexpr double kt2cms() const { return (1.0 / 3.6) * 1.852 * 100.0; }
    constexpr double kt2ms() const { return (1.0 / 3.6) * 1.852; }
    constexpr double kt2inps() const { return 20.268; }
    constexpr double kt2fps() const { return 1.689; }
    constexpr double kt2mph() const { return 1.151; }
    constexpr double kt2naumh() const { return 1.0; }
    constexpr double kt2kmh() const { return 1.852; }
    constexpr double ms2mms() const { return 1000.0; }
    constexpr double ms2cms() const { return 100.0; }
    constexpr double ms2fps() const { return 3.281; }
    constexpr double ms2kmh() const { return 3.6; }
    constexpr double ms2inps() const { return (1.0 / 2.54) * 100.0; }
    constexpr double ms2kt() const { return 1.943; }
    constexpr double ms2mph() const { return 2.237; }
    constexpr double mph2mms() const { return (1.0 / 3.6) * 1.60934 * 1000.0; }
    constexpr double mph2cms() const { return (1.0 / 3.6) * 1.60934 * 100.0; }
    constexpr double mph2ms() const { return (1.0 / 3.6) * 1.60934; }
    constexpr double mph2fps() const { return 1.0 / 0.6818; }
    constexpr double mph2inps() const { return (1.0 / 3.6) * 1.60934 * 100.0 / 2.54; }
    constexpr double mph2kmh() const { return 1.60934; }
    constexpr double mph2kt() const { return 0.8684; }
};
