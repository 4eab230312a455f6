#include "quantities/Length.h"
#include "quantities/Velocity.h"

#include "FactorTable.h"

namespace {

TEST(VelocityFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Velocity> rows[] = {
        {"fps2mms", &Velocity::fps2mms, 304.8, 304.8, "units -t 'ft/s' 'mm/s'"},
        {"fps2cms", &Velocity::fps2cms, 30.48, 30.48, "units -t 'ft/s' 'cm/s'"},
        {"fps2ms", &Velocity::fps2ms, 0.3048, 0.3048, "units -t 'ft/s' 'm/s'"},
        {"fps2inps", &Velocity::fps2inps, 12, 12, "units -t 'ft/s' 'in/s'"},
        {"fps2kmh", &Velocity::fps2kmh, 1.097, 1.09728, "units -t 'ft/s' 'km/hr'"},
        {"fps2kt", &Velocity::fps2kt, 0.5920663114, 0.5924838, "units -t 'ft/s' 'knot'"},
        {"fps2mph", &Velocity::fps2mph, 0.6818, 0.68181818, "units -t 'ft/s' 'mph'"},
        {"mms2cms", &Velocity::mms2cms, 0.1, 0.1, "units -t 'mm/s' 'cm/s'"},
        {"mms2ms", &Velocity::mms2ms, 0.001, 0.001, "units -t 'mm/s' 'm/s'"},
        {"mms2kmh", &Velocity::mms2kmh, 0.0036, 0.0036, "units -t 'mm/s' 'km/hr'"},
        {"mms2inps", &Velocity::mms2inps, 0.03937007874, 0.039370079, "units -t 'mm/s' 'in/s'"},
        {"mms2fps", &Velocity::mms2fps, 0.003280839895, 0.0032808399, "units -t 'mm/s' 'ft/s'"},
        {"mms2mph", &Velocity::mms2mph, 0.002236941852, 0.0022369363, "units -t 'mm/s' 'mph'"},
        {"mms2kt", &Velocity::mms2kt, 0.001943844492, 0.0019438445, "units -t 'mm/s' 'knot'"},
        {"cms2mms", &Velocity::cms2mms, 10, 10, "units -t 'cm/s' 'mm/s'"},
        {"cms2ms", &Velocity::cms2ms, 0.01, 0.01, "units -t 'cm/s' 'm/s'"},
        {"cms2fps", &Velocity::cms2fps, 0.03280839895, 0.032808399, "units -t 'cm/s' 'ft/s'"},
        {"cms2inps", &Velocity::cms2inps, 0.3937007874, 0.39370079, "units -t 'cm/s' 'in/s'"},
        {"cms2kmh", &Velocity::cms2kmh, 0.036, 0.036, "units -t 'cm/s' 'km/hr'"},
        {"cms2mph", &Velocity::cms2mph, 0.02236941852, 0.022369363, "units -t 'cm/s' 'mph'"},
        {"cms2kt", &Velocity::cms2kt, 0.01943844492, 0.019438445, "units -t 'cm/s' 'knot'"},
        {"ins2mph", &Velocity::ins2mph, 0.05681832304, 0.056818182, "units -t 'in/s' 'mph'"},
        {"ins2kt", &Velocity::ins2kt, 0.04937365011, 0.04937365, "units -t 'in/s' 'knot'"},
        {"ins2ms", &Velocity::ins2ms, 0.0254, 0.0254, "units -t 'in/s' 'm/s'"},
        {"ins2fps", &Velocity::ins2fps, 0.08333333333, 0.083333333, "units -t 'in/s' 'ft/s'"},
        {"ins2kph", &Velocity::ins2kph, 0.09144, 0.09144, "units -t 'in/s' 'km/hr'"},
        {"ins2mms", &Velocity::ins2mms, 25.4, 25.4, "units -t 'in/s' 'mm/s'"},
        {"ins2cms", &Velocity::ins2cms, 2.54, 2.54, "units -t 'in/s' 'cm/s'"},
        {"kmh2mms", &Velocity::kmh2mms, 277.7777778, 277.77778, "units -t 'km/hr' 'mm/s'"},
        {"kmh2cms", &Velocity::kmh2cms, 27.77777778, 27.777778, "units -t 'km/hr' 'cm/s'"},
        {"kmh2ms", &Velocity::kmh2ms, 0.2777777778, 0.27777778, "units -t 'km/hr' 'm/s'"},
        {"kmh2inps", &Velocity::kmh2inps, 10.93613298, 10.936133, "units -t 'km/hr' 'in/s'"},
        {"kmh2fps", &Velocity::kmh2fps, 0.9113, 0.91134442, "units -t 'km/hr' 'ft/s'"},
        {"kmh2kt", &Velocity::kmh2kt, 0.5399568035, 0.5399568, "units -t 'km/hr' 'knot'"},
        {"kmh2mph", &Velocity::kmh2mph, 0.6214, 0.62137119, "units -t 'km/hr' 'mph'"},
        {"kt2mms", &Velocity::kt2mms, 514.4444444, 514.44444, "units -t 'knot' 'mm/s'"},
        {"kt2cms", &Velocity::kt2cms, 51.44444444, 51.444444, "units -t 'knot' 'cm/s'"},
        {"kt2ms", &Velocity::kt2ms, 0.5144444444, 0.51444444, "units -t 'knot' 'm/s'"},
        {"kt2inps", &Velocity::kt2inps, 20.268, 20.253718, "units -t 'knot' 'in/s'"},
        {"kt2fps", &Velocity::kt2fps, 1.689, 1.6878099, "units -t 'knot' 'ft/s'"},
        {"kt2mph", &Velocity::kt2mph, 1.151, 1.1507794, "units -t 'knot' 'mph'"},
        {"kt2naumh", &Velocity::kt2naumh, 1, 1, "units -t 'knot' 'nmi/hr'"},
        {"kt2kmh", &Velocity::kt2kmh, 1.852, 1.852, "units -t 'knot' 'km/hr'"},
        {"ms2mms", &Velocity::ms2mms, 1000, 1000, "units -t 'm/s' 'mm/s'"},
        {"ms2cms", &Velocity::ms2cms, 100, 100, "units -t 'm/s' 'cm/s'"},
        {"ms2fps", &Velocity::ms2fps, 3.281, 3.2808399, "units -t 'm/s' 'ft/s'"},
        {"ms2kmh", &Velocity::ms2kmh, 3.6, 3.6, "units -t 'm/s' 'km/hr'"},
        {"ms2inps", &Velocity::ms2inps, 39.37007874, 39.370079, "units -t 'm/s' 'in/s'"},
        {"ms2kt", &Velocity::ms2kt, 1.943, 1.9438445, "units -t 'm/s' 'knot'"},
        {"ms2mph", &Velocity::ms2mph, 2.237, 2.2369363, "units -t 'm/s' 'mph'"},
        {"mph2mms", &Velocity::mph2mms, 447.0388889, 447.04, "units -t 'mph' 'mm/s'"},
        {"mph2cms", &Velocity::mph2cms, 44.70388889, 44.704, "units -t 'mph' 'cm/s'"},
        {"mph2ms", &Velocity::mph2ms, 0.4470388889, 0.44704, "units -t 'mph' 'm/s'"},
        {"mph2fps", &Velocity::mph2fps, 1.466705779, 1.4666667, "units -t 'mph' 'ft/s'"},
        {"mph2inps", &Velocity::mph2inps, 17.59995626, 17.6, "units -t 'mph' 'in/s'"},
        {"mph2kmh", &Velocity::mph2kmh, 1.60934, 1.609344, "units -t 'mph' 'km/hr'"},
        {"mph2kt", &Velocity::mph2kt, 0.8684, 0.86897624, "units -t 'mph' 'knot'"},
    };
    expectFactors(rows);
}

TEST(VelocityFactors, KnotsToFeetPerSecondAndBackGivesTheInput)
{
    const Velocity v;
    EXPECT_EQ(v.kt2fps(), Length().kt2ft());
    for (double kt : {1.0, 3.0, 150.0, 661.4748, 1e-3}) {
        const double back = kt * v.kt2fps() * v.fps2kt();
        EXPECT_NEAR(back, kt, kt * 4e-16) << kt;
    }
}

TEST(VelocityFactors, ShortLiteralsAreNotReciprocals)
{
    const Velocity v;
    // 0.3048 x 3.281 = 1.0000488: the literals stay as they are.
    EXPECT_NE(v.fps2ms() * v.ms2fps(), 1.0);
    // Built from 1 / 0.6818, so 1 mph is 17.59995626 in/s, not the 17.6008
    // that (1 / 3.6) x 1.60934 x 39.372 would give.
    EXPECT_NEAR(v.mph2inps(), 17.59995626, 1e-8);
    EXPECT_EQ(v.mph2fps(), 1 / 0.6818);
    EXPECT_EQ(v.kt2ms(), (1 / 3.6) * 1.852);
}

} // namespace
