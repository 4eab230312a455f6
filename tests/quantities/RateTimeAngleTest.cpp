#include "quantities/Angle.h"
#include "quantities/Time.h"
#include "quantities/freq.h"

#include "FactorTable.h"

namespace {

TEST(freqFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<freq> rows[] = {
        {"hz2rps", &freq::hz2rps, 6.283185307, 6.2831853, "units -t 'rev/s' 'radian/s'"},
        {"hz2degps", &freq::hz2degps, 360, 360, "units -t 'rev/s' 'deg/s'"},
        {"hz2RPM", &freq::hz2RPM, 60, 60, "units -t 'rev/s' 'rpm'"},
        {"rads2revs", &freq::rads2revs, 0.1592, 0.15915494, "units -t 'radian/s' 'rev/s'"},
        {"rps2Hz", &freq::rps2Hz, 0.1591549431, 0.15915494, "units -t 'radian/s' 'rev/s'"},
        {"rps2degps", &freq::rps2degps, 57.29577951, 57.29578, "units -t 'radian/s' 'deg/s'"},
        {"rps2RPM", &freq::rps2RPM, 9.549296586, 9.5492966, "units -t 'radian/s' 'rpm'"},
        {"degps2Hz", &freq::degps2Hz, 0.002777777778, 0.0027777778, "units -t 'deg/s' 'rev/s'"},
        {"degps2rps", &freq::degps2rps, 0.01745329252, 0.017453293, "units -t 'deg/s' 'radian/s'"},
        {"degps2RPM", &freq::degps2RPM, 0.1666666667, 0.16666667, "units -t 'deg/s' 'rpm'"},
        {"RPM2Hz", &freq::RPM2Hz, 0.01666666667, 0.016666667, "units -t 'rpm' 'rev/s'"},
        {"RPM2rps", &freq::RPM2rps, 0.1047197551, 0.10471976, "units -t 'rpm' 'radian/s'"},
        {"RPM2degps", &freq::RPM2degps, 6, 6, "units -t 'rpm' 'deg/s'"},
    };
    expectFactors(rows);
}

TEST(TimeFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Time> rows[] = {
        {"day2hour", &Time::day2hour, 24, 24, "units -t 'day' 'hr'"},
        {"day2min", &Time::day2min, 1440, 1440, "units -t 'day' 'min'"},
        {"day2sec", &Time::day2sec, 86400, 86400, "units -t 'day' 's'"},
        {"day2msec", &Time::day2msec, 86400000, 86400000, "units -t 'day' 'ms'"},
        {"hour2day", &Time::hour2day, 0.04166666667, 0.041666667, "units -t 'hr' 'day'"},
        {"hour2min", &Time::hour2min, 60, 60, "units -t 'hr' 'min'"},
        {"hour2sec", &Time::hour2sec, 3600, 3600, "units -t 'hr' 's'"},
        {"hour2msec", &Time::hour2msec, 3600000, 3600000, "units -t 'hr' 'ms'"},
        {"min2day", &Time::min2day, 0.0006944444444, 0.00069444444, "units -t 'min' 'day'"},
        {"min2hour", &Time::min2hour, 0.01666666667, 0.016666667, "units -t 'min' 'hr'"},
        {"min2sec", &Time::min2sec, 60, 60, "units -t 'min' 's'"},
        {"min2msec", &Time::min2msec, 60000, 60000, "units -t 'min' 'ms'"},
        {"sec2day", &Time::sec2day, 0.00001157407407, 1.1574074e-05, "units -t 's' 'day'"},
        {"sec2hour", &Time::sec2hour, 0.0002777777778, 0.00027777778, "units -t 's' 'hr'"},
        {"sec2min", &Time::sec2min, 0.01666666667, 0.016666667, "units -t 's' 'min'"},
        {"sec2msec", &Time::sec2msec, 1000, 1000, "units -t 's' 'ms'"},
        {"msec2day", &Time::msec2day, 0.00000001157407407, 1.1574074e-08, "units -t 'ms' 'day'"},
        {"msec2hour", &Time::msec2hour, 0.0000002777777778, 2.7777778e-07, "units -t 'ms' 'hr'"},
        {"msec2min", &Time::msec2min, 0.00001666666667, 1.6666667e-05, "units -t 'ms' 'min'"},
        {"msec2sec", &Time::msec2sec, 0.001, 0.001, "units -t 'ms' 's'"},
    };
    expectFactors(rows);
}

TEST(AngleFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Angle> rows[] = {
        {"deg2rad", &Angle::deg2rad, 0.01745329252, 0.017453293, "units -t 'degree' 'radian'"},
        {"rad2deg", &Angle::rad2deg, 57.29577951, 57.29578, "units -t 'radian' 'degree'"},
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
