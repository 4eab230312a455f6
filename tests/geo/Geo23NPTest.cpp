#include "geo/Geo23NP.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <cmath>

namespace {

const double pi = 4 * std::atan(1.0);

struct Pos {
    double g, m, s;
    const char* side;
};

struct Pair {
    const char* name;
    Pos lat1, lon1, lat2, lon2;
    double km;
    double tolerance;
};

void place(Geo23NP& geo, const Pair& p)
{
    geo.setzen_Gpt1LatGMSNS(p.lat1.g, p.lat1.m, p.lat1.s, p.lat1.side);
    geo.setzen_Gpt1LonGMSEW(p.lon1.g, p.lon1.m, p.lon1.s, p.lon1.side);
    geo.setzen_Gpt2LatGMSNS(p.lat2.g, p.lat2.m, p.lat2.s, p.lat2.side);
    geo.setzen_Gpt2LonGMSEW(p.lon2.g, p.lon2.m, p.lon2.s, p.lon2.side);
}

// Reference: GeographicLib's inverse problem on a sphere of the distance
// radius 6367.5 km, s12 in metres, e.g.
//   echo "51:30:26N 0:07:39W 48:51:24N 2:21:08E" | GeodSolve -i -e 6367500 0 -p 9
//   -> 148.11619637149795 150.02145726833373 343333.980050703
// The other lines of the table ran through the same command.
const Pair pairs[] = {
    {"London-Paris", {51, 30, 26, "N"}, {0, 7, 39, "W"}, {48, 51, 24, "N"}, {2, 21, 8, "E"}, 343.333980050703, 1e-6},
    {"New York-Los Angeles", {40, 42, 46, "N"}, {74, 0, 22, "W"}, {34, 3, 8, "N"}, {118, 14, 37, "W"},
     3933.566434458666, 1e-6},
    // across the date line
    {"Auckland-Honolulu", {36, 50, 56, "S"}, {174, 45, 48, "E"}, {21, 18, 25, "N"}, {157, 51, 30, "W"},
     7071.885616439923, 1e-6},
    {"pole to pole", {90, 0, 0, "N"}, {0, 0, 0, "E"}, {90, 0, 0, "S"}, {0, 0, 0, "E"}, 20004.091221733008, 1e-6},
    // antipodes: the arc cosine near -1 loses about 1e-8 rad
    {"Madrid-antipode", {40, 25, 0, "N"}, {3, 42, 0, "W"}, {40, 25, 0, "S"}, {176, 18, 0, "E"}, 20004.091221733008,
     1e-3},
    {"Sydney-Cape Town", {33, 52, 4, "S"}, {151, 12, 26, "E"}, {33, 55, 31, "S"}, {18, 25, 26, "E"},
     11005.564899507567, 1e-6},
    {"Quito-Singapore", {0, 13, 12.5, "S"}, {78, 31, 2.25, "W"}, {1, 17, 24.75, "N"}, {103, 51, 0.5, "E"},
     19715.386138200261, 1e-6},
};

} // namespace

TEST(Geo23NP, NewObjectReadsZero)
{
    Geo23NP geo;
    EXPECT_EQ(geo.FDist_Curv_Prom_ISO(), 0);
    EXPECT_EQ(geo.FAngleAB_rad(), 0);
    EXPECT_EQ(geo.FAngleAB_deg(), 0);
    EXPECT_EQ(geo.FDist_lin_Prom_ISO(), 0);
}

TEST(Geo23NP, GreatCircleDistancesMatchGeographicLib)
{
    rt::MessageRecorder rec;
    for (const Pair& p : pairs) {
        Geo23NP geo;
        place(geo, p);
        EXPECT_NEAR(geo.FDist_Curv_Prom_ISO(), p.km, p.tolerance) << p.name;
        EXPECT_NEAR(geo.FAngleAB_deg(), p.km / 6367.5 * 180 / pi, 1e-6) << p.name;
    }
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("|").toStdString();
}

TEST(Geo23NP, DistanceAndChordOnTheirTwoSpheres)
{
    struct { double lat2; double km; double chord; } table[] = {
        {1, 6367.5 * pi / 180, 2 * 6371.03 * std::sin(pi / 360)},
        {90, 10002.0456, 6371.03 * std::sqrt(2.0)},
    };
    for (const auto& t : table) {
        Geo23NP geo;
        geo.setzen_Gpt2LatGMSNS(t.lat2, 0, 0, "N");
        EXPECT_NEAR(geo.FDist_Curv_Prom_ISO(), t.km, 1e-4) << t.lat2;
        EXPECT_NEAR(geo.FDist_lin_Prom_ISO(), t.chord, 1e-9) << t.lat2;
    }
    Geo23NP anti;
    anti.setzen_Gpt2LonGMSEW(180, 0, 0, "E");
    EXPECT_EQ(anti.FAngleAB_rad(), pi);
    EXPECT_EQ(anti.FAngleAB_deg(), 180);
    EXPECT_NEAR(anti.FDist_Curv_Prom_ISO(), 20004.0912, 1e-4);
    EXPECT_NEAR(anti.FDist_lin_Prom_ISO(), 12742.06, 1e-9);
}

TEST(Geo23NP, TheSamePlaceTwiceIsZeroWithoutAnErrorBox)
{
    // At 0 N 1 E the rounded cosine of the angle is 1 + 2^-52.
    rt::MessageRecorder rec;
    Geo23NP geo;
    geo.setzen_Gpt1LonGMSEW(1, 0, 0, "E");
    geo.setzen_Gpt2LonGMSEW(1, 0, 0, "E");
    EXPECT_EQ(geo.FDist_Curv_Prom_ISO(), 0);
    EXPECT_EQ(geo.FAngleAB_rad(), 0);
    EXPECT_EQ(geo.FDist_lin_Prom_ISO(), 0);
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST(Geo23NP, EveryPlacementDescribesTheCurrentPair)
{
    Geo23NP geo;
    geo.setzen_Gpt1LatGMSNS(10, 0, 0, "N");
    geo.setzen_Gpt2LatGMSNS(10, 0, 0, "S");
    EXPECT_NEAR(geo.FAngleAB_deg(), 20, 1e-12);
    geo.setzen_Gpt2LonGMSEW(0, 0, 0, "W");  // point 1 re-read too
    EXPECT_NEAR(geo.FAngleAB_deg(), 20, 1e-12);
    const double d = geo.FDist_Curv_Prom_ISO();
    EXPECT_EQ(geo.FDist_Curv_Prom_ISO(), d);
    // The unused third point changes nothing.
    geo.setzen_Gpt3LatGMSNS(45, 0, 0, "N");
    geo.setzen_Gpt3xyz(0, 0, 6371);
    EXPECT_EQ(geo.FDist_Curv_Prom_ISO(), d);
}

TEST(Geo23NP, RefusedCoordinatesLeaveThePointAndStillRecompute)
{
    rt::MessageRecorder rec;
    Geo23NP geo;
    geo.setzen_Gpt2xyz(0, 0, 6371.03);
    EXPECT_NEAR(geo.FAngleAB_deg(), 90, 1e-12);
    geo.setzen_Gpt2xyz(0, 0, 100);
    geo.setzen_Gpt1xyzISO(1e5, 0, 0);
    EXPECT_NEAR(geo.FAngleAB_deg(), 90, 1e-12);
    EXPECT_EQ(rec.messages, QStringList(2, Geo::radiusMessage));
}
