#include "geo/Geo.h"
#include "runtime/Error.h"

#include "TestSupport.h"

namespace {

struct Place {
    const char* name;
    double latG, latM, latS;
    const char* ns;
    double lonG, lonM, lonS;
    const char* ew;
    double x, y, z; // km
};

// Reference: GeographicLib on the model's sphere of 6371.03 km, e.g.
//   echo "51:30:26N 0:07:39W 0" | CartConvert -e 6371030 0 -p 9
//   -> 3965421.080082469 -8824.245460324 4986519.933904772   (X, Y, Z earth-centred, m)
// The model's axes are X = -Y, Y = X, Z = Z of those, in km.
const Place places[] = {
    {"London", 51, 30, 26, "North", 0, 7, 39, "West", 8.824245460324, 3965.421080082469, 4986.519933904772},
    {"Sydney", 33, 52, 4, "South", 151, 12, 26, "East", -2547.907376148811, -4636.010456222017, -3550.436355332484},
    {"Honolulu", 21, 18, 25, "North", 157, 51, 30, "West", 2237.097488532308, -5497.833661541192, 2315.003913112677},
    {"Auckland", 36, 50, 56, "South", 174, 45, 48, "East", -465.314421207839, -5076.946300910793, -3820.748880518612},
    {"Quito", 0, 13, 12.5, "South", 78, 31, 2.25, "West", 6243.466658546906, 1268.285517261960, -24.478382640557},
    {"45N 90W", 45, 0, 0, "N", 90, 0, 0, "W", 4504.998516142930, 0, 4504.998516142930},
};

Geo placed(const Place& p)
{
    Geo g;
    g.setzen_lat_GMS(p.latG, p.latM, p.latS, p.ns);
    g.setzen_long_GMS(p.lonG, p.lonM, p.lonS, p.ew);
    return g;
}

} // namespace

TEST(Geo, NewObjectSitsAtZeroZeroOnTheMeanSphere)
{
    Geo g;
    EXPECT_EQ(g.Out_Rad_Prom_Iso(), 6371.03);
    EXPECT_EQ(g.out_Ycoord_ISO(), 6371.03);
    EXPECT_EQ(g.out_Xcoord_ISO(), 0);
    EXPECT_EQ(g.out_Zcoord_ISO(), 0);
    EXPECT_EQ(g.out_Xcoord_eng(), 0);
    EXPECT_EQ(g.out_Ycoord_Eng(), 0);
    EXPECT_EQ(g.out_Zcoord_Eng(), 0);
}

TEST(Geo, EarthCentredCoordinatesMatchGeographicLib)
{
    for (const Place& p : places) {
        Geo g = placed(p);
        EXPECT_NEAR(g.out_Xcoord_ISO(), p.x, 1e-6) << p.name;
        EXPECT_NEAR(g.out_Ycoord_ISO(), p.y, 1e-6) << p.name;
        EXPECT_NEAR(g.out_Zcoord_ISO(), p.z, 1e-6) << p.name;
        EXPECT_NEAR(g.out_Xcoord_eng(), p.x * 0.6214, 1e-6) << p.name;
        EXPECT_NEAR(g.out_Zcoord_Eng(), p.z * 0.6214, 1e-6) << p.name;
    }
    Geo g = placed(places[5]);
    EXPECT_NEAR(g.out_Zcoord_Eng(), 2799.406078, 1e-6);
}

TEST(Geo, PoleAndHemisphereTexts)
{
    Geo pole;
    pole.setzen_lat_GMS(90, 0, 0, "North");
    EXPECT_EQ(pole.out_Zcoord_ISO(), 6371.03);
    EXPECT_NEAR(pole.out_Ycoord_ISO(), 0, 1e-12);

    for (const char* south : {"south", "SOUTH", "South", "S"}) {
        Geo g;
        g.setzen_lat_GMS(30, 0, 0, south);
        EXPECT_DOUBLE_EQ(g.out_Zcoord_ISO(), -6371.03 / 2) << south;
    }
    for (const char* none : {"", "X", " N"}) {
        Geo g;
        g.setzen_lat_GMS(30, 0, 0, none);
        EXPECT_EQ(g.out_Zcoord_ISO(), 0) << none;
        EXPECT_EQ(g.out_Ycoord_ISO(), 6371.03) << none;
    }
    Geo east, west, other;
    east.setzen_long_GMS(90, 0, 0, "e");
    west.setzen_long_GMS(90, 0, 0, "west");
    other.setzen_long_GMS(90, 0, 0, "Q");
    EXPECT_DOUBLE_EQ(east.out_Xcoord_ISO(), -6371.03);
    EXPECT_DOUBLE_EQ(west.out_Xcoord_ISO(), 6371.03);
    EXPECT_EQ(other.out_Xcoord_ISO(), 0);
}

TEST(Geo, DegreesMinutesSecondsAndDecimalDegrees)
{
    Geo g;
    g.setzen_lat_GMS(12, 30, 36, "N");
    EXPECT_DOUBLE_EQ(g.latDecGr(), 12.51);
    g.setzen_lat_GMS(12.5, 0, 0, "N");  // halves go to the even neighbour
    EXPECT_EQ(g.latG(), 12);
    g.setzen_lat_GMS(13.5, 0.5, 0, "N");
    EXPECT_EQ(g.latG(), 14);
    EXPECT_EQ(g.latM(), 0);

    struct { double dec; int g, m; double s; } table[] = {
        {10.5, 10, 30, 0}, {10.1, 10, 5, 59}, {12.51, 12, 30, 35}, {0.25, 0, 15, 0}, {-10.5, -10, -30, 0},
    };
    for (const auto& t : table) {
        Geo d;
        d.setzen_long_DecGr(t.dec, "E");
        EXPECT_EQ(d.longG(), t.g) << t.dec;
        EXPECT_EQ(d.longM(), t.m) << t.dec;
        EXPECT_EQ(d.longS(), t.s) << t.dec;
    }
}

TEST(Geo, CoordinatesOutsideTheRadiusBandAreRefusedWithAMessage)
{
    rt::MessageRecorder rec;
    Geo g;
    g.setzen_lat_GMS(10, 0, 0, "N");
    g.setzen_geoxyz_ISO(0, 0, 6356.77);
    EXPECT_EQ(g.out_Zcoord_ISO(), 6356.77);
    EXPECT_DOUBLE_EQ(g.out_Zcoord_Eng(), 6356.77 * 0.6214);
    EXPECT_EQ(g.latDecGr(), 10); // the angles are not derived back
    g.setzen_geoxyz_ISO(0, 0, 6378.16);
    EXPECT_TRUE(rec.messages.isEmpty());
    for (double z : {6356.76, 6378.17}) {
        g.setzen_geoxyz_ISO(0, 0, z);
        EXPECT_EQ(g.out_Zcoord_ISO(), 6378.16) << z;
    }
    EXPECT_EQ(rec.messages, QStringList(2, Geo::radiusMessage));

    g.setzen_geoxyz_Eng(0, 3958.9, 0);
    EXPECT_NEAR(g.out_Ycoord_ISO(), 6370.9366, 1e-4);
    EXPECT_EQ(g.out_Ycoord_Eng(), 3958.9);
    g.setzen_geoxyz_Eng(0, 3950.0, 0);
    EXPECT_EQ(g.out_Ycoord_Eng(), 3958.9);
    EXPECT_EQ(rec.messages.size(), 3);
}

TEST(Geo, ADegreeBeyondSixteenBitsIsReportedAndLeavesThePoint)
{
    rt::MessageRecorder rec;
    Geo g;
    g.setzen_lat_GMS(10, 40000, 0, "N");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    EXPECT_EQ(g.latG(), 10); // assigned before the error
    EXPECT_EQ(g.out_Ycoord_ISO(), 6371.03);
    EXPECT_EQ(g.out_Zcoord_ISO(), 0);
}
