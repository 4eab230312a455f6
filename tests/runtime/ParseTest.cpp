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
        {"&HFF", 255}, {"&hFFFF", -1}, {"&O17", 15}, {"&H", 0}, {"1E-400", 0}, {"-0", 0}, {"1,5", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::val(QString::fromUtf8(c.text)), c.expected) << c.text;
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
