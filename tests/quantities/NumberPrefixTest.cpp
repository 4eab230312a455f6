#include "quantities/cl_number_prefix.h"
#include "quantities/conv.h"
#include "runtime/Error.h"
#include "runtime/Parse.h"

#include "TestSupport.h"

#include <QRegularExpression>
#include <random>

namespace {

enum { exa = 0, peta, tera, giga, mega, kilo, hecto, deka, unit, deci, centi, milli, micro, nano, pico, femto, atto };

QString rescale(double value, int from, int to)
{
    cl_number_prefix p;
    p.setzen_pref(value, from);
    return p.output_pref(to);
}

struct PrefixCase {
    double value;
    int from, to;
    const char* expected;
};

TEST(NumberPrefix, RescalesBetweenPrefixes)
{
    const PrefixCase cases[] = {
        {1, kilo, unit, "1.0E3"}, {1, kilo, milli, "1.0E6"}, {1, kilo, exa, "1.0E-15"},
        {1, atto, unit, "1.0E-18"}, {1, unit, kilo, "1.0E-3"}, {1, exa, atto, "1.0E36"}, {1, atto, exa, "1.0E-36"},
        {2.5, unit, deci, "2.5E1"}, {2.5, unit, deka, "2.5E-1"}, {5, deka, deci, "5.0E2"},
        {2.5, mega, mega, "2.5E0"}, {1, unit, unit, "1.0E0"}, {0, unit, unit, "0.0E0"}, {-3, micro, nano, "-3.0E3"},
        {1, hecto, centi, "1.0E4"}, {7, peta, tera, "7.0E3"}, {7, femto, pico, "7.0E-3"}, {1, giga, nano, "1.0E18"},
        // the mantissa keeps at most four decimals, rounded, at least one
        {1500, unit, unit, "1.5E3"}, {0.000123456, unit, unit, "1.2346E-4"}, {1.23456789, unit, unit, "1.2346E0"},
        {9.99996, unit, unit, "1.0E1"}, {-2.5e-7, unit, unit, "-2.5E-7"}, {123456, unit, unit, "1.2346E5"},
        {1e-320, unit, unit, "9.9999E-321"}, {1e-300, atto, exa, "0.0E0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rescale(c.value, c.from, c.to), QString::fromLatin1(c.expected))
            << c.value << " from " << c.from << " to " << c.to;
}

TEST(NumberPrefix, IndexOutsideTheListsKeepsOrGivesNothing)
{
    cl_number_prefix p;
    EXPECT_EQ(p.output_pref(unit), QStringLiteral("0.0E0")) << "nothing stored yet";
    p.setzen_pref(4, kilo);
    p.setzen_pref(9, -1);
    p.setzen_pref(9, 17);
    EXPECT_EQ(p.output_pref(unit), QStringLiteral("4.0E3"));
    EXPECT_EQ(p.output_pref(kilo), QStringLiteral("4.0E0"));
    EXPECT_EQ(p.output_pref(-1), QString());
    EXPECT_EQ(p.output_pref(17), QString());
}

TEST(NumberPrefix, BeyondTheDoubleRangeIsAnOverflowError)
{
    for (const PrefixCase& c :
         {PrefixCase{1e300, exa, unit, ""}, PrefixCase{1e291, unit, atto, ""}, PrefixCase{-1e300, peta, exa, ""}}) {
        try {
            rescale(c.value, c.from, c.to);
            ADD_FAILURE() << c.value << " from " << c.from << " did not fail";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.code(), rt::Err::Overflow);
        }
    }
}

// Any text, read as the converter reads it, at any positions: scientific text,
// empty text for a position outside the list, or a run-time error.
TEST(NumberPrefix, AnyTextGivesAResultOrARuntimeError)
{
    std::mt19937 rng(7031);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const QString alphabet = QStringLiteral("0123456789.-+Ee &Hxyz");
    const QRegularExpression scientific(QStringLiteral("^-?[0-9]\\.[0-9]{1,4}E-?[0-9]+$"));
    std::vector<QString> inputs = {QString(), QStringLiteral("-"), QStringLiteral("1E308"), QStringLiteral("1E309"),
                                   QStringLiteral("1.2.3"), QStringLiteral("abc"), QString(10000, u'9'),
                                   QStringLiteral("0.") + QString(10000, u'0') + u'1'};
    for (int i = 0; i < 3000; ++i) {
        QString s;
        const int len = pick(30);
        for (int j = 0; j < len; ++j)
            s += pick(8) == 0 ? QChar(static_cast<char16_t>(1 + pick(0xD7FF))) : alphabet[pick(static_cast<int>(alphabet.size()))];
        inputs.push_back(s);
    }
    for (const QString& in : inputs) {
        const int from = pick(21) - 2, to = pick(21) - 2;
        try {
            const QString out = rescale(rt::val(in), from, to);
            if (to < 0 || to > 16) EXPECT_EQ(out, QString());
            else EXPECT_TRUE(scientific.match(out).hasMatch()) << out.toStdString() << " from '" << in.left(40).toStdString() << "'";
        } catch (const rt::RuntimeError&) {
        }
    }
}

TEST(conv, RadiansPerSecondToRpmIsTheRoundedLiteral)
{
    EXPECT_EQ(conv().rads2revm(), 9.549);
}

} // namespace
