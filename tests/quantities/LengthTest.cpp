#include "quantities/Length.h"

#include "FactorTable.h"

namespace {

TEST(LengthFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Length> rows[] = {
        {"kt2ft", &Length::kt2ft, 1.689},
        {"kt2mph", &Length::kt2mph, 1.151},
        {"kt2kmh", &Length::kt2kmh, 1.852},
        {"cm2ft", &Length::cm2ft, 0.03281},
        {"cm2in", &Length::cm2in, 0.3938},
        {"cm2km", &Length::cm2km, 0.00001},
        {"cm2m", &Length::cm2m, 0.01},
        {"cm2yd", &Length::cm2yd, 0.01093613298},
        {"mm2yd", &Length::mm2yd, 0.001093613298},
        {"ft2cm", &Length::ft2cm, 30.48},
        {"ft2m", &Length::ft2m, 0.3048},
        {"ft2km", &Length::ft2km, 0.0003048},
        {"ft2in", &Length::ft2in, 12},
        {"ft2mi", &Length::ft2mi, 0.0001894},
        {"ft2ya", &Length::ft2ya, 0.333333},
        {"in2cm", &Length::in2cm, 2.54},
        {"in2ft", &Length::in2ft, 0.08333},
        {"in2m", &Length::in2m, 0.0254},
        {"in2ya", &Length::in2ya, 0.02778},
        {"in2mils", &Length::in2mils, 1000},
        {"m2cm", &Length::m2cm, 100},
        {"m2ft", &Length::m2ft, 3.281},
        {"m2in", &Length::m2in, 39.37},
        {"m2km", &Length::m2km, 0.001},
        {"m2mi", &Length::m2mi, 0.0006214},
        {"m2ya", &Length::m2ya, 1.094},
        {"mi2ft", &Length::mi2ft, 5280},
        {"mi2km", &Length::mi2km, 1.609},
        {"mi2ya", &Length::mi2ya, 1760},
        {"mi2naumi", &Length::mi2naumi, 0.868976},
        {"naumi2ft", &Length::naumi2ft, 6076},
        {"naumi2m", &Length::naumi2m, 1852},
        {"naumi2mi", &Length::naumi2mi, 1.15078},
        {"ya2cm", &Length::ya2cm, 91.44},
        {"ya2ft", &Length::ya2ft, 3},
        {"ya2in", &Length::ya2in, 36},
        {"ya2m", &Length::ya2m, 0.9144},
        {"ya2mi", &Length::ya2mi, 0.0005682},
    };
    expectFactors(rows);
}

} // namespace
