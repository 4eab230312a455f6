#pragma once
// One place on the earth: latitude and longitude (degrees, minutes, seconds or
// decimal degrees, unsigned, with a hemisphere text), placed on a sphere of
// the mean radius as earth-centred coordinates in km and in miles; or set by
// those coordinates directly. Z points to the north pole, Y to 0 N 0 E, X to
// 0 N 90 W. Public members report a run-time error and are abandoned.
#include "quantities/Length.h"

#include <QString>
#include <cstdint>

class Geo {
public:
    Geo();

    void setzen_long_GMS(double deg, double min, double sec, const QString& EW);
    void setzen_long_DecGr(double dec, const QString& EW);
    void setzen_lat_GMS(double deg, double min, double sec, const QString& NS);
    void setzen_lat_DecGr(double dec, const QString& NS);
    void setzen_geoxyz_ISO(double x, double y, double z);
    void setzen_geoxyz_Eng(double x, double y, double z);

    double Out_Rad_Prom_Iso() const { return Rad_Prom_ISO; }
    double out_Zcoord_ISO() const { return Zcoord_ISO; }
    double out_Ycoord_ISO() const { return Ycoord_ISO; }
    double out_Xcoord_ISO() const { return Xcoord_ISO; }
    double out_Zcoord_Eng() const { return Zcoord_Eng; }
    double out_Ycoord_Eng() const { return Ycoord_Eng; }
    double out_Xcoord_eng() const { return Xcoord_Eng; }

    // Read-only views of the angle fields, for tests and callers that show them.
    double longDecGr() const { return long_DecGr; }
    double latDecGr() const { return lat_DecGr; }
    int16_t longG() const { return long_G; }
    int16_t longM() const { return long_M; }
    double longS() const { return long_S; }
    int16_t latG() const { return lat_G; }
    int16_t latM() const { return lat_M; }
    double latS() const { return lat_S; }

    static const QString radiusMessage;

private:
    void calc_long_DecGr();
    void calc_lat_DecGr();
    void calc_long_GMS();
    void calc_lat_GMS();
    void calc_geoxyz();
    void copyToMiles();
    bool radiusFits(double x, double y, double z, double lower, double upper) const;

    double pi;
    Length LengthObj;
    double long_DecGr = 0, lat_DecGr = 0;
    int16_t long_G = 0, long_M = 0;
    double long_S = 0;
    QString long_EW;
    int16_t lat_G = 0, lat_M = 0;
    double lat_S = 0;
    QString lat_NS;
    double EQR_ISO, PolR_ISO, Rad_Prom_ISO;
    double EQR_Eng, PolR_Eng, Rad_Prom_Eng;
    double Zcoord_ISO = 0, Ycoord_ISO = 0, Xcoord_ISO = 0;
    double Zcoord_Eng = 0, Ycoord_Eng = 0, Xcoord_Eng = 0;
};
