#include "quantities/Length.h"
#include "quantities/Velocity.h"

#include "FactorTable.h"

namespace {

TEST(VelocityFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Velocity> rows[] = {
        {"fps2mms", &Velocity::fps2mms, 304.8},
        {"fps2cms", &Velocity::fps2cms, 30.48},
        {"fps2ms", &Velocity::fps2ms, 0.3048},
        {"fps2inps", &Velocity::fps2inps, 12},
        {"fps2kmh", &Velocity::fps2kmh, 1.097},
        {"fps2kt", &Velocity::fps2kt, 0.5920663114},
        {"fps2mph", &Velocity::fps2mph, 0.6818},
        {"mms2cms", &Velocity::mms2cms, 0.1},
        {"mms2ms", &Velocity::mms2ms, 0.001},
        {"mms2kmh", &Velocity::mms2kmh, 0.0036},
        {"mms2inps", &Velocity::mms2inps, 0.03937007874},
        {"mms2fps", &Velocity::mms2fps, 0.003280839895},
        {"mms2mph", &Velocity::mms2mph, 0.002236941852},
        {"mms2kt", &Velocity::mms2kt, 0.001943844492},
        {"cms2mms", &Velocity::cms2mms, 10},
        {"cms2ms", &Velocity::cms2ms, 0.01},
        {"cms2fps", &Velocity::cms2fps, 0.03280839895},
        {"cms2inps", &Velocity::cms2inps, 0.3937007874},
        {"cms2kmh", &Velocity::cms2kmh, 0.036},
        {"cms2mph", &Velocity::cms2mph, 0.02236941852},
        {"cms2kt", &Velocity::cms2kt, 0.01943844492},
        {"ins2mph", &Velocity::ins2mph, 0.05681832304},
        {"ins2kt", &Velocity::ins2kt, 0.04937365011},
        {"ins2ms", &Velocity::ins2ms, 0.0254},
        {"ins2fps", &Velocity::ins2fps, 0.08333333333},
        {"ins2kph", &Velocity::ins2kph, 0.09144},
        {"ins2mms", &Velocity::ins2mms, 25.4},
        {"ins2cms", &Velocity::ins2cms, 2.54},
        {"kmh2mms", &Velocity::kmh2mms, 277.7777778},
        {"kmh2cms", &Velocity::kmh2cms, 27.77777778},
        {"kmh2ms", &Velocity::kmh2ms, 0.2777777778},
        {"kmh2inps", &Velocity::kmh2inps, 10.93613298},
        {"kmh2fps", &Velocity::kmh2fps, 0.9113},
        {"kmh2kt", &Velocity::kmh2kt, 0.5399568035},
        {"kmh2mph", &Velocity::kmh2mph, 0.6214},
        {"kt2mms", &Velocity::kt2mms, 514.4444444},
        {"kt2cms", &Velocity::kt2cms, 51.44444444},
        {"kt2ms", &Velocity::kt2ms, 0.5144444444},
        {"kt2inps", &Velocity::kt2inps, 20.268},
        {"kt2fps", &Velocity::kt2fps, 1.689},
        {"kt2mph", &Velocity::kt2mph, 1.151},
        {"kt2naumh", &Velocity::kt2naumh, 1},
        {"kt2kmh", &Velocity::kt2kmh, 1.852},
        {"ms2mms", &Velocity::ms2mms, 1000},
        {"ms2cms", &Velocity::ms2cms, 100},
        {"ms2fps", &Velocity::ms2fps, 3.281},
        {"ms2kmh", &Velocity::ms2kmh, 3.6},
        {"ms2inps", &Velocity::ms2inps, 39.37007874},
        {"ms2kt", &Velocity::ms2kt, 1.943},
        {"ms2mph", &Velocity::ms2mph, 2.237},
        {"mph2mms", &Velocity::mph2mms, 447.0388889},
        {"mph2cms", &Velocity::mph2cms, 44.70388889},
        {"mph2ms", &Velocity::mph2ms, 0.4470388889},
        {"mph2fps", &Velocity::mph2fps, 1.466705779},
        {"mph2inps", &Velocity::mph2inps, 17.59995626},
        {"mph2kmh", &Velocity::mph2kmh, 1.60934},
        {"mph2kt", &Velocity::mph2kt, 0.8684},
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
