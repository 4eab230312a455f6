#include "quantities/Temperature.h"

#include "runtime/Error.h"

#include "TestSupport.h"

#include <cmath>
#include <functional>

namespace {

using Setter = void (Temperature::*)(double);
using Conversion = double (Temperature::*)();

struct ScaleCase {
    const char* name;
    Setter set;
    double input;
    Conversion convert;
    double expected;
};

TEST(Temperature, ConvertsBetweenTheFourScales)
{
    const ScaleCase cases[] = {
        {"dC2dK", &Temperature::setzen_dC, 100, &Temperature::dC2dK, 373.15},
        {"dC2dF", &Temperature::setzen_dC, 100, &Temperature::dC2dF, 212},
        {"dC2dR", &Temperature::setzen_dC, 100, &Temperature::dC2dR, 671.67},
        {"dK2dC", &Temperature::setzen_dK, 0, &Temperature::dK2dC, -273.15},
        {"dK2dF", &Temperature::setzen_dK, 273.15, &Temperature::dK2dF, 32},
        {"dK2dR", &Temperature::setzen_dK, 273.15, &Temperature::dK2dR, 491.67},
        {"dF2dC", &Temperature::setzen_dF, -40, &Temperature::dF2dC, -40},
        {"dF2dK", &Temperature::setzen_dF, -40, &Temperature::dF2dK, 233.15},
        {"dF2dR", &Temperature::setzen_dF, 32, &Temperature::dF2dR, 491.67},
        {"dR2dC", &Temperature::setzen_dR, 491.67, &Temperature::dR2dC, 0},
        {"dR2dK", &Temperature::setzen_dR, 0, &Temperature::dR2dK, 0},
        {"dR2dF", &Temperature::setzen_dR, 0, &Temperature::dR2dF, -459.67},
    };
    for (const auto& c : cases) {
        Temperature t;
        (t.*c.set)(c.input);
        EXPECT_NEAR((t.*c.convert)(), c.expected, 1e-12) << c.name << " of " << c.input;
    }
    Temperature exact;
    exact.setzen_dC(100);
    EXPECT_EQ(exact.dC2dF(), 212.0); // multiplied by 9 before the division by 5
}

// True values of GNU units 2.22 for 100 degrees of the source scale, e.g.
// units -t 'tempR(100)' 'tempC' gives -217.59444.
TEST(Temperature, AgreesWithGnuUnits)
{
    const ScaleCase cases[] = {
        {"units -t 'tempC(100)' 'tempK'", &Temperature::setzen_dC, 100, &Temperature::dC2dK, 373.15},
        {"units -t 'tempC(100)' 'tempF'", &Temperature::setzen_dC, 100, &Temperature::dC2dF, 212},
        {"units -t 'tempC(100)' 'tempR'", &Temperature::setzen_dC, 100, &Temperature::dC2dR, 671.67},
        {"units -t 'tempK(100)' 'tempC'", &Temperature::setzen_dK, 100, &Temperature::dK2dC, -173.15},
        {"units -t 'tempK(100)' 'tempF'", &Temperature::setzen_dK, 100, &Temperature::dK2dF, -279.67},
        {"units -t 'tempK(100)' 'tempR'", &Temperature::setzen_dK, 100, &Temperature::dK2dR, 180},
        {"units -t 'tempF(100)' 'tempC'", &Temperature::setzen_dF, 100, &Temperature::dF2dC, 37.777778},
        {"units -t 'tempF(100)' 'tempK'", &Temperature::setzen_dF, 100, &Temperature::dF2dK, 310.92778},
        {"units -t 'tempF(100)' 'tempR'", &Temperature::setzen_dF, 100, &Temperature::dF2dR, 559.67},
        {"units -t 'tempR(100)' 'tempC'", &Temperature::setzen_dR, 100, &Temperature::dR2dC, -217.59444},
        {"units -t 'tempR(100)' 'tempK'", &Temperature::setzen_dR, 100, &Temperature::dR2dK, 55.555556},
        {"units -t 'tempR(100)' 'tempF'", &Temperature::setzen_dR, 100, &Temperature::dR2dF, -359.67},
    };
    for (const auto& c : cases) {
        Temperature t;
        (t.*c.set)(c.input);
        const double got = (t.*c.convert)();
        EXPECT_NEAR(got, c.expected, std::abs(c.expected) * 1e-6) << c.name << " gave " << got;
    }
}

TEST(Temperature, ConversionsThroughAnotherScaleLeaveItInItsField)
{
    Temperature k;
    k.setzen_dK(0);
    k.dK2dC();
    EXPECT_EQ(k.celsius(), -273.15);

    Temperature kr;
    kr.setzen_dK(273.15);
    kr.dK2dR();
    EXPECT_NEAR(kr.fahrenheit(), 32, 1e-12);
    EXPECT_NEAR(kr.rankine(), 491.67, 1e-12);

    Temperature f;
    f.setzen_dF(-40);
    f.dF2dK();
    EXPECT_NEAR(f.celsius(), -40, 1e-12);

    Temperature r;
    r.setzen_dR(0);
    EXPECT_NEAR(r.dR2dK(), 0, 1e-13);
    EXPECT_NEAR(r.fahrenheit(), -459.67, 1e-12);
    EXPECT_NEAR(r.celsius(), -273.15, 1e-12);
    EXPECT_EQ(r.kelvin(), 0); // the result is returned, not stored
}

TEST(Temperature, LaterConversionsReadTheLeftValues)
{
    Temperature t;
    EXPECT_NEAR(t.dF2dC(), -17.7777777777778, 1e-12); // nothing set: from 0
    t.setzen_dK(300);
    t.dK2dF();
    EXPECT_NEAR(t.dF2dC(), 300 - 273.15, 1e-12);
}

// Reports what a trapping caller would show, and checks that no field moved.
void expectError(Temperature& t, const std::function<void()>& step, const char* message)
{
    const double before[] = {t.celsius(), t.kelvin(), t.fahrenheit(), t.rankine()};
    rt::MessageRecorder rec;
    EXPECT_FALSE(rt::trap(step));
    EXPECT_EQ(rec.messages, QStringList{message});
    const double after[] = {t.celsius(), t.kelvin(), t.fahrenheit(), t.rankine()};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(after[i], before[i]) << "field " << i;
}

TEST(Temperature, OverflowIsARuntimeErrorNotInfinity)
{
    Temperature c;
    c.setzen_dC(1e308);
    expectError(c, [&] { c.dC2dF(); }, "Overflow");
    expectError(c, [&] { c.dC2dR(); }, "Overflow");
    EXPECT_EQ(c.dC2dK(), 1e308 + 273.15); // within range: no error

    Temperature k;
    k.setzen_dK(-1.5e308);
    expectError(k, [&] { k.dK2dF(); }, "Overflow");
    expectError(k, [&] { k.dK2dR(); }, "Overflow");
    EXPECT_EQ(k.dK2dC(), -1.5e308);
}

TEST(Temperature, TextSettersTakeNumbersOnly)
{
    Temperature t;
    t.setzen_dC(QStringLiteral("12.5"));
    EXPECT_EQ(t.celsius(), 12.5);
    for (const char* bad : {"abc", "", "12abc"})
        expectError(t, [&] { t.setzen_dC(QString::fromUtf8(bad)); }, "Type mismatch");
    EXPECT_EQ(t.celsius(), 12.5);
}

} // namespace
