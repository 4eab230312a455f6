#include "quantities/Angle.h"
#include "quantities/Time.h"
#include "quantities/freq.h"

#include "FactorTable.h"

namespace {

TEST(freqFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<freq> rows[] = {
        {"hz2rps", &freq::hz2rps, 6.283185307},
        {"hz2degps", &freq::hz2degps, 360},
        {"hz2RPM", &freq::hz2RPM, 60},
        {"rads2revs", &freq::rads2revs, 0.1592},
        {"rps2Hz", &freq::rps2Hz, 0.1591549431},
        {"rps2degps", &freq::rps2degps, 57.29577951},
        {"rps2RPM", &freq::rps2RPM, 9.549296586},
        {"degps2Hz", &freq::degps2Hz, 0.002777777778},
        {"degps2rps", &freq::degps2rps, 0.01745329252},
        {"degps2RPM", &freq::degps2RPM, 0.1666666667},
        {"RPM2Hz", &freq::RPM2Hz, 0.01666666667},
        {"RPM2rps", &freq::RPM2rps, 0.1047197551},
        {"RPM2degps", &freq::RPM2degps, 6},
    };
    expectFactors(rows);
}

TEST(TimeFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Time> rows[] = {
        {"day2hour", &Time::day2hour, 24},
        {"day2min", &Time::day2min, 1440},
        {"day2sec", &Time::day2sec, 86400},
        {"day2msec", &Time::day2msec, 86400000},
        {"hour2day", &Time::hour2day, 0.04166666667},
        {"hour2min", &Time::hour2min, 60},
        {"hour2sec", &Time::hour2sec, 3600},
        {"hour2msec", &Time::hour2msec, 3600000},
        {"min2day", &Time::min2day, 0.0006944444444},
        {"min2hour", &Time::min2hour, 0.01666666667},
        {"min2sec", &Time::min2sec, 60},
        {"min2msec", &Time::min2msec, 60000},
        {"sec2day", &Time::sec2day, 0.00001157407407},
        {"sec2hour", &Time::sec2hour, 0.0002777777778},
        {"sec2min", &Time::sec2min, 0.01666666667},
        {"sec2msec", &Time::sec2msec, 1000},
        {"msec2day", &Time::msec2day, 0.00000001157407407},
        {"msec2hour", &Time::msec2hour, 0.0000002777777778},
        {"msec2min", &Time::msec2min, 0.00001666666667},
        {"msec2sec", &Time::msec2sec, 0.001},
    };
    expectFactors(rows);
}

TEST(AngleFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Angle> rows[] = {
        {"deg2rad", &Angle::deg2rad, 0.01745329252},
        {"rad2deg", &Angle::rad2deg, 57.29577951},
    };
    expectFactors(rows);
}

// Factors with pi or chains of steps, to the last bit: the converters show
// them unrounded when the formatter picks an exponent pattern.
TEST(RateTimeAngleFactors, ComputedFactorsKeepTheirLastBit)
{
    const freq r;
    EXPECT_EQ(r.hz2rps(), 6.283185307179586);
    EXPECT_EQ(r.rps2Hz(), 0.15915494309189535);
    EXPECT_EQ(r.rps2degps(), 57.29577951308232);
    EXPECT_EQ(r.rps2RPM(), 9.549296585513721);
    EXPECT_EQ(r.degps2rps(), 0.017453292519943295);
    EXPECT_EQ(r.degps2RPM(), 0.16666666666666669);
    EXPECT_EQ(r.RPM2rps(), 0.10471975511965977);
    EXPECT_EQ(r.rads2revs(), 0.1592);

    const Angle a;
    EXPECT_EQ(a.deg2rad(), 0.017453292519943295);
    EXPECT_EQ(a.rad2deg(), 57.29577951308232);

    const Time t;
    EXPECT_EQ(t.sec2day(), (1.0 / 60) * (1.0 / 60) * (1.0 / 24));
    EXPECT_EQ(t.msec2day(), (1.0 / 1000) * (1.0 / 60) * (1.0 / 60) * (1.0 / 24));
    EXPECT_EQ(t.day2msec(), 86400000.0);
}

} // namespace
