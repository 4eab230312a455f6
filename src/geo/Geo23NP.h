#pragma once
// Two earth points and the great-circle distance between them: the angle
// between their earth-centred position vectors times a mean radius of
// 6367.5 km, and the straight chord. Placing either point recomputes all.
#include "geo/Geo.h"
#include "geo/VVector.h"

#include <QString>

class Geo23NP {
public:
    Geo23NP();

    void setzen_Gpt1LatGMSNS(double deg, double min, double sec, const QString& NS);
    void setzen_Gpt1LonGMSEW(double deg, double min, double sec, const QString& EW);
    void setzen_Gpt1xyzISO(double x, double y, double z);
    void setzen_Gpt2xyz(double x, double y, double z);
    void setzen_Gpt2LatGMSNS(double deg, double min, double sec, const QString& NS);
    void setzen_Gpt2LonGMSEW(double deg, double min, double sec, const QString& EW);
    // There is no third point: these only recompute the pair.
    void setzen_Gpt3xyz(double x, double y, double z);
    void setzen_Gpt3LatGMSNS(double deg, double min, double sec, const QString& NS);
    void setzen_Gpt3LonGMSEW(double deg, double min, double sec, const QString& EW);

    double FAngleAB_rad();
    double FAngleAB_deg();
    double FDist_Curv_Prom_ISO() const { return distCurv_; }
    double FDist_lin_Prom_ISO();

    const Geo& point1() const { return pt1_; }
    const Geo& point2() const { return pt2_; }

private:
    void calc_dist();
    void calc_chord();

    Geo pt1_, pt2_;
    VVector vectors_;
    double angleRad_ = 0, angleDeg_ = 0, distCurv_ = 0, chord_ = 0;
    double radProm_;
    double pi_;
};
