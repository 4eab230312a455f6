// Hostile texts and doubles: the parse and the formatters end with a number
// text or a run-time error, never a crash, a hang, inf or nan.
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/Utilities.h"

#include "TestSupport.h"

#include <QRegularExpression>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

const QRegularExpression numberText(R"(^-?\d*\.?\d*(E[+-]?\d+)?$)");
const QRegularExpression nonZeroDigit("[1-9]");

QString randomText(std::mt19937& rng)
{
    static const char alphabet[] = "0123456789.+-eE &HhOo\t\nabcxyz,;()$%";
    std::uniform_int_distribution<int> len(0, 40), pick(0, sizeof alphabet - 2), raw(1, 0xFFFF), mode(0, 9);
    QString s;
    const int n = len(rng);
    for (int i = 0; i < n; ++i) s += mode(rng) == 0 ? QChar(static_cast<char16_t>(raw(rng))) : QChar(alphabet[pick(rng)]);
    return s;
}

double randomDouble(std::mt19937& rng)
{
    static const double specials[] = {0.0, -0.0, 1e308, -1e308, 1.7976931348623157e308, 5e-324, -5e-324,
                                      1e-310, 0.5, -0.5, 9.99995, 99999.99, 1e15, 999999999999999.9};
    std::uniform_int_distribution<int> mode(0, 3);
    std::uniform_int_distribution<size_t> idx(0, std::size(specials) - 1);
    if (mode(rng) == 0) return specials[idx(rng)];
    uint64_t bits = rng();
    bits = (bits << 32) | rng();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

TEST(RuntimeFuzz, ParseEndsWithANumberOrAnError)
{
    std::mt19937 rng(20261209);
    for (int i = 0; i < 20000; ++i) {
        const QString t = randomText(rng);
        try {
            const double v = rt::val(t);
            ASSERT_TRUE(std::isfinite(v)) << t.toStdString();
        } catch (const rt::RuntimeError& e) {
            ASSERT_EQ(e.description(), "Overflow") << t.toStdString();
        }
        try {
            ASSERT_TRUE(std::isfinite(rt::cdbl(t)));
        } catch (const rt::RuntimeError&) {
        }
    }
    const QString huge(10000, u'9');
    EXPECT_THROW(rt::val(huge), rt::RuntimeError);
    EXPECT_EQ(rt::val(QString(10000, u'0') + "1"), 1);
    EXPECT_EQ(rt::val("0." + QString(10000, u'0') + "1"), 0);
    EXPECT_THROW(rt::val("1E" + QString(10000, u'9')), rt::RuntimeError);
    EXPECT_EQ(rt::val("1E-" + QString(10000, u'9')), 0);
}

TEST(RuntimeFuzz, FormattersGiveNumberTextOrAnError)
{
    std::mt19937 rng(7);
    const char* patterns[] = {"#0", "#0.00", "#0.0000", "#0.", "#0.000000", "0.0000E+00", "0.0###E-0#"};
    for (int i = 0; i < 20000; ++i) {
        const double x = randomDouble(rng);
        for (const char* p : patterns) {
            try {
                const QString s = rt::format(x, QString::fromLatin1(p));
                ASSERT_TRUE(numberText.match(s).hasMatch()) << x << " " << p << " -> " << s.toStdString();
                if (s.startsWith("-")) {
                    ASSERT_TRUE(s.section(u'E', 0, 0).contains(nonZeroDigit)) << x << " " << p << " " << s.toStdString();
                }
            } catch (const rt::RuntimeError&) {
                ASSERT_FALSE(std::isfinite(x));
            }
        }
        QString s;
        try {
            s = rt::str(x);
        } catch (const rt::RuntimeError&) {
            ASSERT_FALSE(std::isfinite(x));
            continue;
        }
        ASSERT_TRUE(numberText.match(s).hasMatch()) << s.toStdString();
        // 15 digits of the largest doubles round beyond the range.
        if (x != 0 && std::fabs(x) < 1.7976931348623e308) {
            ASSERT_NEAR(rt::val(s) / x, 1.0, 1e-14) << s.toStdString();
        }
    }
    rt::MessageRecorder rec;
    EXPECT_EQ(Utilities::format_result(std::nan("")), "");
    EXPECT_EQ(Utilities::format_result(1, 1e9).size(), 401); // an absurd count of decimals stays bounded
}

} // namespace
