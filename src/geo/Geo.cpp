#include "geo/Geo.h"

#include "geo/Magnitude.h"
#include "runtime/Checked.h"
#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"

#include <cmath>

const QString Geo::radiusMessage = QStringLiteral("Check your x,y,z values because the calculated earh radius does not match");

namespace {

// Whole degrees or minutes as the 16-bit field holds them.
int16_t whole(double x) { return rt::cint(x); }

// Degrees, minutes and seconds of an unsigned decimal angle. Seconds are whole:
// the fraction of a second is dropped (10.1 gives 10 5' 59" by rounding).
// Every part is cut toward zero, so a negative angle gives negative parts that
// read back through the decimal formula as the same angle.
void toGMS(double v, int16_t& g, int16_t& m, double& s)
{
    g = whole(std::trunc(v));
    const double mins = (rt::Checked(v - std::trunc(v)) * 60).v;
    m = whole(std::trunc(mins));
    s = std::trunc((mins - std::trunc(mins)) * 60);
}

double toDecimal(int16_t g, int16_t m, double s) { return (rt::Checked(m / 60.0 + g) + rt::chk(s) / 3600).v; }

QChar side(const QString& text) { return text.isEmpty() ? QChar() : text.at(0).toUpper(); }

} // namespace

Geo::Geo()
    : pi(4 * std::atan(1.0)),
      long_EW(QStringLiteral("E")),
      lat_NS(QStringLiteral("N")),
      EQR_ISO(6378.16),
      PolR_ISO(6356.77),
      Rad_Prom_ISO(6371.03),
      EQR_Eng((EQR_ISO * LengthObj.m2mi()) * 1000),
      PolR_Eng((PolR_ISO * LengthObj.m2mi()) * 1000),
      Rad_Prom_Eng((Rad_Prom_ISO * LengthObj.m2mi()) * 1000),
      Ycoord_ISO(Rad_Prom_ISO)
{
}

void Geo::setzen_long_GMS(double deg, double min, double sec, const QString& EW)
{
    rt::trap([&] {
        long_G = whole(deg);
        long_M = whole(min);
        long_S = sec;
        long_EW = EW;
        calc_long_DecGr();
        calc_geoxyz();
    });
}

void Geo::setzen_long_DecGr(double dec, const QString& EW)
{
    rt::trap([&] {
        long_DecGr = dec;
        long_EW = EW;
        calc_long_GMS();
        calc_geoxyz();
    });
}

void Geo::setzen_lat_GMS(double deg, double min, double sec, const QString& NS)
{
    rt::trap([&] {
        lat_G = whole(deg);
        lat_M = whole(min);
        lat_S = sec;
        lat_NS = NS;
        calc_lat_DecGr();
        calc_geoxyz();
    });
}

void Geo::setzen_lat_DecGr(double dec, const QString& NS)
{
    rt::trap([&] {
        lat_DecGr = dec;
        lat_NS = NS;
        calc_lat_GMS();
        calc_geoxyz();
    });
}

void Geo::calc_long_DecGr() { long_DecGr = toDecimal(long_G, long_M, long_S); }
void Geo::calc_lat_DecGr() { lat_DecGr = toDecimal(lat_G, lat_M, lat_S); }
void Geo::calc_long_GMS() { toGMS(rt::chk(long_DecGr), long_G, long_M, long_S); }
void Geo::calc_lat_GMS() { toGMS(rt::chk(lat_DecGr), lat_G, lat_M, lat_S); }

void Geo::calc_geoxyz()
{
    double phi = 0, lambda = 0;
    const QChar ns = side(lat_NS);
    if (ns == u'N') phi = lat_DecGr;
    else if (ns == u'S') phi = -lat_DecGr;
    // Longitudes grow westward along X.
    const QChar ew = side(long_EW);
    if (ew == u'E') lambda = -long_DecGr;
    else if (ew == u'W') lambda = long_DecGr;
    phi = (rt::Checked(phi) * pi).v / 180;
    lambda = (rt::Checked(lambda) * pi).v / 180;
    Zcoord_ISO = rt::sin(phi) * Rad_Prom_ISO;
    const double t = rt::cos(phi) * Rad_Prom_ISO;
    Xcoord_ISO = t * rt::sin(lambda);
    Ycoord_ISO = t * rt::cos(lambda);
    copyToMiles();
}

void Geo::copyToMiles()
{
    Zcoord_Eng = (Zcoord_ISO * LengthObj.m2mi()) * 1000;
    Ycoord_Eng = (Ycoord_ISO * LengthObj.m2mi()) * 1000;
    Xcoord_Eng = (Xcoord_ISO * LengthObj.m2mi()) * 1000;
}

bool Geo::radiusFits(double x, double y, double z, double lower, double upper) const
{
    const double r = geo::magnitude(x, y, z);
    if (r < lower || r > upper) {
        rt::showMessage(radiusMessage);
        return false;
    }
    return true;
}

void Geo::setzen_geoxyz_ISO(double x, double y, double z)
{
    rt::trap([&] {
        if (!radiusFits(x, y, z, PolR_ISO, EQR_ISO)) return;
        Zcoord_ISO = z;
        Ycoord_ISO = y;
        Xcoord_ISO = x;
        copyToMiles();
    });
}

void Geo::setzen_geoxyz_Eng(double x, double y, double z)
{
    rt::trap([&] {
        if (!radiusFits(x, y, z, PolR_Eng, EQR_Eng)) return;
        Zcoord_Eng = z;
        Ycoord_Eng = y;
        Xcoord_Eng = x;
        Zcoord_ISO = Zcoord_Eng / (LengthObj.m2mi() * 1000);
        Ycoord_ISO = Ycoord_Eng / (LengthObj.m2mi() * 1000);
        Xcoord_ISO = Xcoord_Eng / (LengthObj.m2mi() * 1000);
    });
}
