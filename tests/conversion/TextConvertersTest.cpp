// The number-base and SI-prefix converters: text in, text out, through their classes.
#include "conversion/Calc_conv_numbers.h"
#include "conversion/calc_conv_prefix.h"
#include "runtime/Error.h"

#include "TestSupport.h"

namespace {

enum { dec = 0, bin, oct, hex, b3, b4, b5, b6, b7, b9, b11, b12, b13, b14, b15 };
enum { exa = 0, deka = 7, unit = 8, deci = 9, kilo = 5, mega = 4, atto = 16 };

struct Case {
    int from, to;
    const char* input;
    const char* expected;
};

QString shown(ConvSkeleton::Output out) { return out ? *out : QStringLiteral("<nothing>"); }

} // namespace

TEST(NumberBaseConverter, ConvertsThroughTheDecimalHub)
{
    const Case cases[] = {
        {bin, dec, "101", "5"}, {hex, dec, "FF", "255"}, {dec, hex, "255", "FF"}, {oct, bin, "7", "111"},
        {dec, dec, "12", "12"}, {dec, dec, "12.50", "12.5000000000"}, {dec, bin, "12.5", "1100.1000000000"},
        {dec, bin, "0.1", "0.0001100110"}, {bin, dec, "10.1", "2.5000000000"}, {dec, hex, "0.75", "0.C000000000"},
        {dec, hex, "0.1", "0.1999999999"}, {dec, dec, "12.29", "12.2900000000"}, {dec, dec, "0.29", "0.2900000000"},
        {b11, dec, "1A", "21"}, {hex, dec, "ff", "255"}, {bin, dec, "2", "2"}, {dec, b3, "", "0"},
        {dec, b7, "0", "0"}, {b15, b12, "E", "12"}, {b9, b13, "88", "62"}, {b4, b5, "33", "30"},
        {b6, b14, "55", "27"}, {b3, b4, "22", "20"}, {b12, oct, "B", "13"}, {b13, b11, "C", "11"},
        {b14, hex, "D", "D"}, {b5, b6, "4", "4"}, {b7, b9, "6", "6"},
        // pasted text: a negative decimal ends with a signed result
        {dec, bin, "-5", "-101"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(c.from, c.to, QString::fromLatin1(c.input))),
                  QString::fromLatin1(c.expected))
            << c.input << " from " << c.from << " to " << c.to;
}

TEST(NumberBaseConverter, AnOverflowIsReportedOnceAndWritesNothing)
{
    for (const QString& input : {QStringLiteral("1E400"), QString(400, u'9')}) {
        rt::MessageRecorder rec;
        EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(dec, bin, input)), "<nothing>");
        EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    }
    rt::MessageRecorder rec;
    EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(bin, dec, QString(1100, u'1'))), "<nothing>") << "the setter fails";
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
}

TEST(NumberBaseConverter, PositionsOutsideTheList)
{
    EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(-1, hex, u"FF")), "0") << "no setter: the hub stays empty";
    EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(dec, -1, u"12")), "<nothing>");
    EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(dec, 15, u"12")), "<nothing>");
}

TEST(NumberBaseConverter, EachPositionNamesItsBase)
{
    const int bases[15] = {10, 2, 8, 16, 3, 4, 5, 6, 7, 9, 11, 12, 13, 14, 15};
    for (int p = 0; p < 15; ++p) {
        EXPECT_EQ(Calc_conv_numbers::baseAt(p), bases[p]);
        // "10" in a base is the base itself
        EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(p, dec, u"10")), QString::number(bases[p])) << p;
        EXPECT_EQ(shown(Calc_conv_numbers::conv_numbers(dec, p, QString::number(bases[p]))), "10") << p;
    }
    EXPECT_EQ(Calc_conv_numbers::baseAt(-1), 0);
}

TEST(PrefixConverter, WritesThePrefixClassFormat)
{
    const Case cases[] = {
        {unit, kilo, "1", "1.0E-3"}, {kilo, unit, "1", "1.0E3"}, {exa, atto, "1", "1.0E36"},
        {atto, exa, "1", "1.0E-36"}, {deka, deci, "5", "5.0E2"}, {mega, mega, "2.5", "2.5E0"},
        {unit, unit, "abc", "0.0E0"}, {unit, kilo, "", "0.0E0"},
        // positions outside the list
        {unit, -1, "1", ""}, {unit, 17, "1", ""}, {-1, kilo, "5", "0.0E0"}, {17, unit, "5", "0.0E0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(calc_conv_prefix::conv_prefix(c.from, c.to, QString::fromLatin1(c.input))),
                  QString::fromLatin1(c.expected))
            << c.input << " from " << c.from << " to " << c.to;
}

TEST(PrefixConverter, AnOverflowPassesToTheCaller)
{
    rt::MessageRecorder rec;
    EXPECT_THROW(calc_conv_prefix::conv_prefix(exa, unit, u"1E300"), rt::RuntimeError);
    EXPECT_THROW(calc_conv_prefix::conv_prefix(unit, atto, u"1E291"), rt::RuntimeError);
    EXPECT_THROW(calc_conv_prefix::conv_prefix(unit, unit, u"1E999"), rt::RuntimeError);
    EXPECT_TRUE(rec.messages.isEmpty()) << "reported by the caller, not here";
}
