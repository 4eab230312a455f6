#include "runtime/Error.h"
#include "runtime/Parse.h"

#include "TestSupport.h"

namespace {

struct ValCase {
    const char* text;
    double expected;
};

TEST(LeadingNumberParse, ReadsTheNumericPrefix)
{
    const ValCase cases[] = {
        {"", 0}, {"abc", 0}, {"1.0", 1}, {"  12.5kg", 12.5}, {"1 2 3", 123}, {"-2.5", -2.5}, {"+7", 7},
        {".5", 0.5}, {"-.5", -0.5}, {"1.", 1}, {".", 0}, {"-", 0}, {"--5", 0}, {"1.2.3", 1.2},
        {"1E3", 1000}, {"1e-2", 0.01}, {"1E", 1}, {"1E+", 1}, {"2e 3", 2000}, {"\t4\n2", 42},
        {"&HFF", 255}, {"&O17", 15}, {"&H", 0}, {"1E-400", 0}, {"-0", 0}, {"1,5", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::val(QString::fromUtf8(c.text)), c.expected) << c.text;
}

// "&H" and "&O" read the whole number they write, of any length, with no
// 16- or 32-bit wrap; a number too long for 53 bits rounds once, to the nearest.
TEST(LeadingNumberParse, HexAndOctalReadTheWholeNumber)
{
    const ValCase cases[] = {
        {"&HFFFF", 65535}, {"&hFFFF", 65535}, {"&H8000", 32768}, {"&O177777", 65535}, {"&o177777", 65535},
        {"&HFFFFFFFF", 4294967295.0}, {"&H10", 16}, {"&H7FFF", 32767}, {"&H100000000", 4294967296.0},
        {"&H10000000000000000", 18446744073709551616.0}, {"&O1000000000000000000000", 9223372036854775808.0},
        {"&H 1 0", 16}, {"&HFFG", 255}, {"&O789", 7}, {"&H-1", 0}, {"  &H0000000000000000000000001", 1},
        // 2^53 + 1 and 2^53 + 3 lie halfway: to the even neighbour; one more bit decides for the higher.
        {"&H20000000000001", 9007199254740992.0}, {"&H20000000000003", 9007199254740996.0},
        {"&H200000000000010000000000000000", 0x1p+117}, {"&H200000000000010000000000000001", 0x1.0000000000001p+117},
        {"&HFFFFFFFFFFFFF8", 0x1.fffffffffffffp+55},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::val(QString::fromUtf8(c.text)), c.expected) << c.text;
    // The largest double, written out in hexadecimal, and the rounding edge above it.
    const QString dblMax = QStringLiteral("&HFFFFFFFFFFFFF8") + QString(242, u'0');
    EXPECT_EQ(rt::val(dblMax), 1.7976931348623157e308);
    EXPECT_EQ(rt::val(QStringLiteral("&HFFFFFFFFFFFFFB") + QString(242, u'F')), 1.7976931348623157e308);
    for (const QString& t : {QStringLiteral("&HFFFFFFFFFFFFFC") + QString(242, u'0'), QStringLiteral("&H1") + QString(256, u'0'),
                             QStringLiteral("&O") + QString(400, u'7'), QStringLiteral("&H") + QString(10000, u'F')}) {
        try {
            rt::val(t);
            ADD_FAILURE() << t.left(20).toStdString() << " did not fail";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.description(), "Overflow") << t.left(20).toStdString();
        }
    }
}

TEST(LeadingNumberParse, OverflowIsARuntimeError)
{
    for (const char* t : {"1E400", "-1e309", "99999999999999999999e300"}) {
        try {
            rt::val(QString::fromUtf8(t));
            ADD_FAILURE() << t << " did not fail";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.description(), "Overflow") << t;
        }
    }
}

TEST(WholeTextConversion, AcceptsOneCompleteNumberOnly)
{
    EXPECT_EQ(rt::cdbl(u" 1.5 "), 1.5);
    EXPECT_EQ(rt::cdbl(u"1."), 1.0);
    EXPECT_EQ(rt::cdbl(u".5"), 0.5);
    EXPECT_EQ(rt::cdbl(u"-2e2"), -200);
    for (const char* t : {"", "1+2", "5-", "-", ".", "1e", "abc", "1.2.3"}) {
        try {
            rt::cdbl(QString::fromUtf8(t));
            ADD_FAILURE() << t << " did not fail";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.description(), "Type mismatch") << t;
        }
    }
    EXPECT_EQ(rt::cint(u"2.5"), 2);
    EXPECT_EQ(rt::cint(u"3.5"), 4);
    EXPECT_THROW(rt::cint(u"32768"), rt::RuntimeError);
}

} // namespace
