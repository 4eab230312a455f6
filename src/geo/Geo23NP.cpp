#include "geo/Geo23NP.h"

#include "geo/Magnitude.h"
#include "runtime/Error.h"

#include <cmath>

// The distance radius is the mean of round equatorial and polar radii, not the
// radius the points are placed on: distances and chords use different spheres.
Geo23NP::Geo23NP() : radProm_(12735.0 / 2), pi_(4 * std::atan(1.0)) {}

void Geo23NP::setzen_Gpt1LatGMSNS(double deg, double min, double sec, const QString& NS)
{
    pt1_.setzen_lat_GMS(deg, min, sec, NS);
    calc_dist();
}

void Geo23NP::setzen_Gpt1LonGMSEW(double deg, double min, double sec, const QString& EW)
{
    pt1_.setzen_long_GMS(deg, min, sec, EW);
    calc_dist();
}

void Geo23NP::setzen_Gpt1xyzISO(double x, double y, double z)
{
    pt1_.setzen_geoxyz_ISO(x, y, z);
    calc_dist();
}

void Geo23NP::setzen_Gpt2xyz(double x, double y, double z)
{
    rt::trap([&] {
        pt2_.setzen_geoxyz_ISO(x, y, z);
        calc_dist();
    });
}

void Geo23NP::setzen_Gpt2LatGMSNS(double deg, double min, double sec, const QString& NS)
{
    pt2_.setzen_lat_GMS(deg, min, sec, NS);
    calc_dist();
}

void Geo23NP::setzen_Gpt2LonGMSEW(double deg, double min, double sec, const QString& EW)
{
    pt2_.setzen_long_GMS(deg, min, sec, EW);
    calc_dist();
}

void Geo23NP::setzen_Gpt3xyz(double, double, double) { calc_dist(); }
void Geo23NP::setzen_Gpt3LatGMSNS(double, double, double, const QString&) { calc_dist(); }
void Geo23NP::setzen_Gpt3LonGMSEW(double, double, double, const QString&) { calc_dist(); }

double Geo23NP::FAngleAB_rad()
{
    double r = 0;
    rt::trap([&] { r = angleRad_; });
    return r;
}

double Geo23NP::FAngleAB_deg()
{
    double r = 0;
    rt::trap([&] { r = angleDeg_; });
    return r;
}

double Geo23NP::FDist_lin_Prom_ISO()
{
    calc_chord();
    return chord_;
}

void Geo23NP::calc_dist()
{
    vectors_.setzen_AP0(0, 0, 0);
    vectors_.setzen_BP0(0, 0, 0);
    vectors_.setzen_AP1(pt1_.out_Xcoord_ISO(), pt1_.out_Ycoord_ISO(), pt1_.out_Zcoord_ISO());
    vectors_.setzen_BP1(pt2_.out_Xcoord_ISO(), pt2_.out_Ycoord_ISO(), pt2_.out_Zcoord_ISO());
    angleRad_ = vectors_.OutAngleABrad();
    angleDeg_ = angleRad_ * 180 / pi_;
    distCurv_ = radProm_ * angleRad_;
    calc_chord();
}

void Geo23NP::calc_chord()
{
    chord_ = geo::magnitude(vectors_.Out_RestABx(), vectors_.Out_RestABy(), vectors_.Out_RestABz());
}
