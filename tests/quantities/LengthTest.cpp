#include "quantities/Length.h"

#include "FactorTable.h"

namespace {

TEST(LengthFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Length> rows[] = {
        {"kt2ft", &Length::kt2ft, 1.689, 1.6878099, "units -t 'knot' 'ft/s'"},
        {"kt2mph", &Length::kt2mph, 1.151, 1.1507794, "units -t 'knot' 'mph'"},
        {"kt2kmh", &Length::kt2kmh, 1.852, 1.852, "units -t 'knot' 'km/hr'"},
        {"cm2ft", &Length::cm2ft, 0.03281, 0.032808399, "units -t 'cm' 'ft'"},
        {"cm2in", &Length::cm2in, 0.3938, 0.39370079, "units -t 'cm' 'in'"},
        {"cm2km", &Length::cm2km, 0.00001, 1e-05, "units -t 'cm' 'km'"},
        {"cm2m", &Length::cm2m, 0.01, 0.01, "units -t 'cm' 'm'"},
        {"cm2yd", &Length::cm2yd, 0.01093613298, 0.010936133, "units -t 'cm' 'yd'"},
        {"mm2yd", &Length::mm2yd, 0.001093613298, 0.0010936133, "units -t 'mm' 'yd'"},
        {"ft2cm", &Length::ft2cm, 30.48, 30.48, "units -t 'ft' 'cm'"},
        {"ft2m", &Length::ft2m, 0.3048, 0.3048, "units -t 'ft' 'm'"},
        {"ft2km", &Length::ft2km, 0.0003048, 0.0003048, "units -t 'ft' 'km'"},
        {"ft2in", &Length::ft2in, 12, 12, "units -t 'ft' 'in'"},
        {"ft2mi", &Length::ft2mi, 0.0001894, 0.00018939394, "units -t 'ft' 'mi'"},
        {"ft2ya", &Length::ft2ya, 0.333333, 0.33333333, "units -t 'ft' 'yd'"},
        {"in2cm", &Length::in2cm, 2.54, 2.54, "units -t 'in' 'cm'"},
        {"in2ft", &Length::in2ft, 0.08333, 0.083333333, "units -t 'in' 'ft'"},
        {"in2m", &Length::in2m, 0.0254, 0.0254, "units -t 'in' 'm'"},
        {"in2ya", &Length::in2ya, 0.02778, 0.027777778, "units -t 'in' 'yd'"},
        {"in2mils", &Length::in2mils, 1000, 1000, "units -t 'in' 'mil'"},
        {"m2cm", &Length::m2cm, 100, 100, "units -t 'm' 'cm'"},
        {"m2ft", &Length::m2ft, 3.281, 3.2808399, "units -t 'm' 'ft'"},
        {"m2in", &Length::m2in, 39.37, 39.370079, "units -t 'm' 'in'"},
        {"m2km", &Length::m2km, 0.001, 0.001, "units -t 'm' 'km'"},
        {"m2mi", &Length::m2mi, 0.0006214, 0.00062137119, "units -t 'm' 'mi'"},
        {"m2ya", &Length::m2ya, 1.094, 1.0936133, "units -t 'm' 'yd'"},
        {"mi2ft", &Length::mi2ft, 5280, 5280, "units -t 'mi' 'ft'"},
        {"mi2km", &Length::mi2km, 1.609, 1.609344, "units -t 'mi' 'km'"},
        {"mi2ya", &Length::mi2ya, 1760, 1760, "units -t 'mi' 'yd'"},
        {"mi2naumi", &Length::mi2naumi, 0.868976, 0.86897624, "units -t 'mi' 'nmi'"},
        {"naumi2ft", &Length::naumi2ft, 6076, 6076.1155, "units -t 'nmi' 'ft'"},
        {"naumi2m", &Length::naumi2m, 1852, 1852, "units -t 'nmi' 'm'"},
        {"naumi2mi", &Length::naumi2mi, 1.15078, 1.1507794, "units -t 'nmi' 'mi'"},
        {"ya2cm", &Length::ya2cm, 91.44, 91.44, "units -t 'yd' 'cm'"},
        {"ya2ft", &Length::ya2ft, 3, 3, "units -t 'yd' 'ft'"},
        {"ya2in", &Length::ya2in, 36, 36, "units -t 'yd' 'in'"},
        {"ya2m", &Length::ya2m, 0.9144, 0.9144, "units -t 'yd' 'm'"},
        {"ya2mi", &Length::ya2mi, 0.0005682, 0.00056818182, "units -t 'yd' 'mi'"},
    };
    expectFactors(rows);
}

} // namespace
