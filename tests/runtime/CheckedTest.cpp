#include "runtime/Calculator.h"
#include "runtime/Checked.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

using rt::Checked;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// The message a step raises, or "" when it gives a number.
QString raised(const std::function<double()>& step)
{
    try {
        step();
        return {};
    } catch (const rt::RuntimeError& e) {
        return e.description();
    }
}

TEST(CheckedArithmetic, EachFailingStepRaisesItsMessage)
{
    const QString overflow = "Overflow";
    const QString byZero = "Division by zero";
    const QString invalid = "Invalid procedure call or argument";
    const struct {
        const char* step;
        std::function<double()> f;
        QString message;
    } cases[] = {
        {"0 / 0", [] { return (Checked(0) / 0).v; }, overflow},
        {"5 / 0", [] { return (Checked(5) / 0).v; }, byZero},
        {"-5 / -0", [] { return (Checked(-5) / -0.0).v; }, byZero},
        {"nan / 0", [] { return (Checked(nan) / 0).v; }, invalid},
        {"1e300 / 1e-300", [] { return (Checked(1e300) / 1e-300).v; }, overflow},
        {"1e200 * 1e200", [] { return (Checked(1e200) * 1e200).v; }, overflow},
        {"-1e200 * 1e200", [] { return (Checked(-1e200) * 1e200).v; }, overflow},
        {"1.7e308 + 1.7e308", [] { return (Checked(1.7e308) + 1.7e308).v; }, overflow},
        {"-1.7e308 - 1.7e308", [] { return (Checked(-1.7e308) - 1.7e308).v; }, overflow},
        {"inf + 1", [] { return (Checked(inf) + 1).v; }, overflow},
        {"nan * 0", [] { return (Checked(nan) * 0).v; }, invalid},
        {"-8 ^ (1 / 3)", [] { return rt::pow(Checked(-8), 1.0 / 3).v; }, invalid},
        {"-0.5 ^ 0.5", [] { return rt::pow(Checked(-0.5), 0.5).v; }, invalid},
        {"0 ^ -1", [] { return rt::pow(Checked(0), -1).v; }, byZero},
        {"10 ^ 400", [] { return rt::pow(Checked(10), 400).v; }, overflow},
        {"-10 ^ 401", [] { return rt::pow(Checked(-10), 401).v; }, overflow},
        {"2 ^ inf", [] { return rt::pow(Checked(2), inf).v; }, overflow},
        {"sqrt(-1)", [] { return rt::sqrt(Checked(-1)).v; }, invalid},
        {"exp(710)", [] { return rt::exp(Checked(710)).v; }, overflow},
        {"log(0)", [] { return rt::log(0); }, invalid},
        {"log(-1)", [] { return rt::log(-1); }, invalid},
        {"sin(inf)", [] { return rt::sin(inf); }, overflow},
    };
    for (const auto& c : cases) EXPECT_EQ(raised(c.f), c.message) << c.step;
}

// A step that stays in range gives exactly the double the plain operation gives.
TEST(CheckedArithmetic, StepsInRangeGiveThePlainResult)
{
    const struct {
        const char* step;
        double checked;
        double plain;
    } cases[] = {
        {"0.1 + 0.2", (Checked(0.1) + 0.2).v, 0.1 + 0.2},
        {"1 / 3", (Checked(1) / 3).v, 1.0 / 3},
        {"1e-200 * 1e-200 underflows to 0", (Checked(1e-200) * 1e-200).v, 0},
        {"-8 ^ 3", rt::pow(Checked(-8), 3).v, -512},
        {"0 ^ 0", rt::pow(Checked(0), 0).v, 1},
        {"0 ^ 0.5", rt::pow(Checked(0), 0.5).v, 0},
        {"exp(-1000) underflows to 0", rt::exp(Checked(-1000)).v, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.checked, c.plain) << c.step;
}

// The reason formulas are written with Checked: with plain doubles the
// overflow in the divisor turns into a quiet 0.
TEST(CheckedArithmetic, AnIntermediateOverflowIsNotHidden)
{
    EXPECT_EQ(1 / (1e200 * 1e200), 0);
    EXPECT_EQ(raised([] { return (Checked(1) / (Checked(1e200) * 1e200)).v; }), "Overflow");
}

TEST(ArcFunctions, ExactAtTheEndsAndAnErrorBeyond)
{
    const double pi = 4 * std::atan(1.0);
    EXPECT_NEAR(Calculator::arcsin(0.5), pi / 6, 1e-15);
    EXPECT_NEAR(Calculator::arccos(0.5), pi / 3, 1e-15);
    EXPECT_EQ(Calculator::arcsin(1), pi / 2);
    EXPECT_EQ(Calculator::arcsin(-1), -pi / 2);
    EXPECT_EQ(Calculator::arccos(1), 0);
    EXPECT_EQ(Calculator::arccos(-1), pi);
    EXPECT_EQ(Calculator::arcsin(0), 0);
    EXPECT_EQ(Calculator::arccos(0), pi / 2);
    rt::MessageRecorder rec;
    EXPECT_EQ(Calculator::arcsin(1.5), 0);
    EXPECT_EQ(rec.messages, QStringList{"Invalid procedure call or argument"});
}

} // namespace
