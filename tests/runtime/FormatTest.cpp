#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/NumText.h"
#include "runtime/Utilities.h"

#include "TestSupport.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

struct PatternCase {
    double x;
    const char* pattern;
    const char* text;
};

TEST(PatternFormat, WritesEachPattern)
{
    const PatternCase cases[] = {
        {7.4, "#0", "7"},           {-7.6, "#0", "-8"},          {0.4, "#0", "0"},
        {-0.4, "#0", "0"},          {3.14159, "#0.00", "3.14"},  {-0.001, "#0.00", "0.00"},
        {-0.00001, "#0.0000", "0.0000"}, {123456, "#0.0000", "123456.0000"}, {7.25, "#0.", "7."},
        {12345.678, "0.0000E+00", "1.2346E+04"}, {99999.99, "0.0000E+00", "1.0000E+05"},
        {0.05, "0.0000E+00", "5.0000E-02"}, {0, "0.0000E+00", "0.0000E+00"},
        {-0.95, "0.0000E+00", "-9.5000E-01"}, {1e-300, "0.0000E+00", "1.0000E-300"},
        {1500, "0.0###E-0#", "1.5E3"}, {1, "0.0###E-0#", "1.0E0"}, {0.000123456, "0.0###E-0#", "1.2346E-4"},
        {-2.5e-7, "0.0###E-0#", "-2.5E-7"}, {1e20, "#0.0000", "100000000000000000000.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::format(c.x, QString::fromLatin1(c.pattern)), c.text) << c.x << " " << c.pattern;
}

TEST(PatternFormat, UsesThePeriodWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(rt::format(2.5, u"#0.00"), "2.50");
    EXPECT_EQ(rt::str(2.5), "2.5");
    QLocale::setDefault(QLocale::c());
}

// Rounding acts on the 15-digit decimal text, half away from zero, never on
// the binary value just below or above it (0.19665 is 0.19664999... in binary).
TEST(PatternFormat, RoundsTheDecimalTextHalfAwayFromZero)
{
    const std::string e308 = "179769313486232" + std::string(294, '0');
    const std::string tiny = "0." + std::string(323, '0') + "494065645841247" + std::string(62, '0');
    const struct {
        double x;
        std::string pattern;
        std::string text;
    } cases[] = {
        {0.19665, "#0.0000", "0.1967"},    {-0.19665, "#0.0000", "-0.1967"}, {2.5, "#0", "3"},
        {0.5, "#0", "1"},                  {-2.5, "#0", "-3"},               {1.005, "#0.00", "1.01"},
        {9.99995, "#0.0000", "10.0000"},   {-9.99995, "#0.0000", "-10.0000"},
        {9.99995e99, "0.0000E+00", "1.0000E+100"}, {0.0123445, "0.0000E+00", "1.2345E-02"},
        {0.000123445, "0.0###E-0#", "1.2345E-4"}, {-9.99995e-7, "0.0###E-0#", "-1.0E-6"},
        {1.00005, "0.0###E-0#", "1.0001E0"},
        // A whole number beyond 15 digits: its 15 digits, then zeros.
        {1e32, "#0.0000", "100000000000000000000000000000000.0000"},
        {-1e32, "0.0000E+00", "-1.0000E+32"},
        {12345678901234567890.0, "#0", "12345678901234600000"},
        {1.7976931348623157e308, "#0.00", e308 + ".00"},
        {1.7976931348623157e308, "0.0000E+00", "1.7977E+308"},
        {5e-324, "0.0000E+00", "4.9407E-324"}, {5e-324, "#0.0000", "0.0000"}, {-5e-324, "#0.0000", "0.0000"},
        {5e-324, "#0." + std::string(400, '0'), tiny},
        {-0.0, "#0.0000", "0.0000"},       {-0.0, "0.0000E+00", "0.0000E+00"}, {-0.0, "0.0###E-0#", "0.0E0"},
        {-0.00005, "#0.0000", "-0.0001"},  {-0.000049, "#0.0000", "0.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::format(c.x, QString::fromStdString(c.pattern)), QString::fromStdString(c.text))
            << c.x << " " << c.pattern;
}

TEST(PatternFormat, ManyDecimalsCostOnlyTheirText)
{
    const QString pattern = QStringLiteral("#0.") + QString(100000, u'0');
    const QString half = rt::format(0.5, pattern);
    EXPECT_EQ(half.size(), 100002);
    EXPECT_TRUE(half.startsWith(u"0.5000")) << half.left(10).toStdString();
    const QString most = rt::format(-1.7976931348623157e308, pattern);
    EXPECT_EQ(most.size(), 1 + 309 + 1 + 100000);
    EXPECT_TRUE(most.startsWith(u"-179769313486232000")) << most.left(20).toStdString();
}

TEST(PatternFormat, InfinityAndNanAreRuntimeErrors)
{
    EXPECT_THROW(rt::format(std::numeric_limits<double>::infinity(), u"#0"), rt::RuntimeError);
    EXPECT_THROW(rt::format(std::nan(""), u"#0"), rt::RuntimeError);
    EXPECT_THROW(rt::str(-std::numeric_limits<double>::infinity()), rt::RuntimeError);
}

TEST(PlainNumberText, FifteenDigitsNoTrailingZeros)
{
    const std::pair<double, const char*> cases[] = {
        {1, "1"}, {0, "0"}, {-0.0, "0"}, {2.5, "2.5"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"}, {1e15, "1E+15"}, {3.289e23, "3.289E+23"},
        {999999999999999.9, "1E+15"}, {0.0001, "0.0001"}, {0.00001, "1E-05"}, {1.5e-7, "1.5E-07"},
        {-1.5e-7, "-1.5E-07"}, {1e300, "1E+300"}, {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
    };
    for (const auto& [x, text] : cases) EXPECT_EQ(rt::str(x), text) << x;
}

struct ResultCase {
    double x;
    std::optional<double> d;
    const char* text;
};

TEST(FormatResult, ChoosesThePatternFromTheNumber)
{
    const ResultCase cases[] = {
        {5, {}, "5.0000"},         {0, {}, "0.0000"},           {123456, {}, "123456.0000"},
        {12.5, {}, "12.50"},       {10000.25, {}, "1.0000E+04"}, {10000, {}, "10000.0000"},
        {2.5, {}, "2.5000"},       {-2.5, {}, "-2.5000"},        {0.5, {}, "0.5000"},
        {0.05, {}, "5.0000E-02"},  {0.0005, {}, "5.0000E-04"},   {-0.5, {}, "-0.5000"},
        {-0.95, {}, "-9.5000E-01"}, {-0.05, {}, "-0.0500"},      {123.456, {}, "123.46"},
        {12345.678, {}, "1.2346E+04"}, {999999.9999999999, {}, "1.0000E+06"},
        {7.4, 0, "7"},             {3.14159, 2, "3.14"},         {7.25, -1, "7."},
        {7.25, 0.5, "7."},         {3.14159, 3, "3.142"},
        // A fraction of exactly 0.1 is the last below 1 with four decimals.
        {0.1, {}, "0.1000"},       {0.09999999999999999, {}, "1.0000E-01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utilities::format_result(c.x, c.d), c.text) << c.x << " d=" << c.d.value_or(-99);
}

TEST(FormatResult, AValueHalfwayInItsDecimalTextRoundsAwayFromZero)
{
    const ResultCase cases[] = {
        {0.19665, {}, "0.1967"},    {2.00005, {}, "2.0001"},       {-0.30005, {}, "-0.3001"},
        {10.045, {}, "10.05"},      {10.125, {}, "10.13"},         {-10.125, {}, "-10.13"},
        {12344.5, {}, "1.2345E+04"}, {0.0123445, {}, "1.2345E-02"}, {12.344, {}, "12.34"},
        {0.7866 / 4, {}, "0.1967"}, {1.0005, 3, "1.001"},          {2.5, 0, "3"},
        {1e32, {}, "100000000000000000000000000000000.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utilities::format_result(c.x, c.d), c.text) << c.x << " d=" << c.d.value_or(-99);
}

TEST(FormatResult, ReportsAnErrorAndGivesEmptyText)
{
    rt::MessageRecorder rec;
    EXPECT_EQ(Utilities::format_result(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
}

} // namespace
