#pragma once

// Speed factors between mm/s, cm/s, m/s, km/h, ft/s, in/s ("ins" as source,
// "inps" as target), mph and knots. Several are short literals of their own
// (kt2fps 1.689, ms2fps 3.281), the others are computed from 2.54, 3.6,
// 1.60934 and 1.852 in the written order, which fixes the last bit.
// Each member returns the multiplier from its first unit to its second.
class Velocity {
public:
    double fps2mms() const;
    double fps2cms() const;
    double fps2ms() const;
    double fps2inps() const;
    double fps2kmh() const;
    double fps2kt() const;
    double fps2mph() const;
    double mms2cms() const;
    double mms2ms() const;
    double mms2kmh() const;
    double mms2inps() const;
    double mms2fps() const;
    double mms2mph() const;
    double mms2kt() const;
    double cms2mms() const;
    double cms2ms() const;
    double cms2fps() const;
    double cms2inps() const;
    double cms2kmh() const;
    double cms2mph() const;
    double cms2kt() const;
    double ins2mph() const;
    double ins2kt() const;
    double ins2ms() const;
    double ins2fps() const;
    double ins2kph() const;
    double ins2mms() const;
    double ins2cms() const;
    double kmh2mms() const;
    double kmh2cms() const;
    double kmh2ms() const;
    double kmh2inps() const;
    double kmh2fps() const;
    double kmh2kt() const;
    double kmh2mph() const;
    double kt2mms() const;
    double kt2cms() const;
    double kt2ms() const;
    double kt2inps() const;
    double kt2fps() const;
    double kt2mph() const;
    double kt2naumh() const;
    double kt2kmh() const;
    double ms2mms() const;
    double ms2cms() const;
    double ms2fps() const;
    double ms2kmh() const;
    double ms2inps() const;
    double ms2kt() const;
    double ms2mph() const;
    double mph2mms() const;
    double mph2cms() const;
    double mph2ms() const;
    double mph2fps() const;
    double mph2inps() const;
    double mph2kmh() const;
    double mph2kt() const;
};
