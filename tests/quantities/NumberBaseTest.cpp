#include "quantities/Cl_Number_Base.h"
#include "quantities/clnumber.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <QRegularExpression>
#include <random>

namespace {

void setIn(Cl_Number_Base& n, int base, const QString& text)
{
    switch (base) {
    case 2: n.setzen_base2(text); break;
    case 3: n.setzen_base3(text); break;
    case 4: n.setzen_base4(text); break;
    case 5: n.setzen_base5(text); break;
    case 6: n.setzen_base6(text); break;
    case 7: n.setzen_base7(text); break;
    case 8: n.setzen_base8(text); break;
    case 9: n.setzen_base9(text); break;
    case 10: n.setzen_base10(text); break;
    case 11: n.setzen_base11(text); break;
    case 12: n.setzen_base12(text); break;
    case 13: n.setzen_base13(text); break;
    case 14: n.setzen_base14(text); break;
    case 15: n.setzen_base15(text); break;
    case 16: n.setzen_base16(text); break;
    default: FAIL() << "no base " << base;
    }
}

QString outIn(Cl_Number_Base& n, int base)
{
    switch (base) {
    case 2: return n.output_base2();
    case 3: return n.output_base3();
    case 4: return n.output_base4();
    case 5: return n.output_base5();
    case 6: return n.output_base6();
    case 7: return n.output_base7();
    case 8: return n.output_base8();
    case 9: return n.output_base9();
    case 10: return n.output_base10();
    case 11: return n.output_base11();
    case 12: return n.output_base12();
    case 13: return n.output_base13();
    case 14: return n.output_base14();
    case 15: return n.output_base15();
    case 16: return n.output_base16();
    }
    ADD_FAILURE() << "no base " << base;
    return {};
}

// One conversion as the converter makes it: a fresh object, one setter, one output.
QString convert(int from, const QString& text, int to)
{
    Cl_Number_Base n;
    setIn(n, from, text);
    return outIn(n, to);
}

struct Case {
    int from;
    const char* text;
    int to;
    const char* expected;
};

void runTable(const std::vector<Case>& cases)
{
    rt::MessageRecorder rec;
    for (const auto& c : cases)
        EXPECT_EQ(convert(c.from, QString::fromUtf8(c.text), c.to), QString::fromUtf8(c.expected))
            << "'" << c.text << "' base " << c.from << " to base " << c.to;
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join(u'|').toStdString();
}

TEST(NumberBase, ConvertsWholeNumbersAndFractions)
{
    runTable({
        {2, "101", 10, "5"}, {10, "255", 16, "FF"}, {16, "FF", 10, "255"}, {16, "ff", 10, "255"},
        {8, "7", 2, "111"}, {11, "1A", 10, "21"}, {10, "80", 9, "88"}, {10, "0", 2, "0"}, {10, "0", 16, "0"},
        {10, "0.5", 2, "0.1000000000"}, {10, "0.1", 2, "0.0001100110"}, {10, "12.75", 8, "14.6000000000"},
        {2, "1.1", 10, "1.5000000000"}, {2, "10.1", 10, "2.5000000000"}, {10, "12.5", 2, "1100.1000000000"},
        {10, "0.75", 16, "0.C000000000"}, {10, "0.1", 16, "0.1999999999"}, {10, "0.29", 10, "0.2900000000"},
        {10, "12", 10, "12"}, {10, "12.50", 10, "12.5000000000"}, {10, "007", 10, "7"},
        {10, "007", 16, "7"}, {10, "", 16, "0"}, {2, "", 10, "0"},
    });
}

// The fraction digits are those of the number typed, cut after the tenth:
// computed on the nearest double, 1.2 showed 1.1999999999 and 12.29 12.2899999999.
TEST(NumberBase, FractionDigitsAreExactForTheNumberTyped)
{
    runTable({
        {10, "1.2", 10, "1.2000000000"}, {10, "2.3", 10, "2.3000000000"}, {10, "12.29", 10, "12.2900000000"},
        {10, "1.2", 5, "1.1000000000"}, {3, "1.1", 3, "1.1000000000"}, {10, "0.75", 2, "0.1100000000"},
        {10, "1.99999999999999999999", 10, "1.9999999999"}, {10, "0.00000000009", 10, "0.0000000000"},
        {10, "0.0000000001", 10, "0.0000000001"}, {3, "2.2222222222", 3, "2.2222222222"},
        {7, "0.1", 10, "0.1428571428"}, {10, "1.2", 16, "1.3333333333"}, {16, "0.4CCCCCCCCCCCCCCCCCCCCD", 10, "0.3000000000"},
        // Digits at face value carry into the places before them.
        {2, "0.3", 10, "1.5000000000"}, {2, "0.2", 2, "1"}, {2, "1.9", 2, "101.1000000000"},
        // The hub keeps the parse's rules: blanks, exponent, "&H".
        {10, "1 . 2", 10, "1.2000000000"}, {10, "12E-1", 3, "1.0121012101"}, {10, "0.0012e3", 10, "1.2000000000"},
        {10, "1.5E1", 10, "15"}, {10, "&H10", 2, "10000"}, {10, "1E-400", 2, "0.0000000000"},
    });
}

// Digits by exact remainders: a floating-point remainder turned 12 into "11"
// and FFFF into 65525; above 2^53 the whole number is kept to its last digit.
TEST(NumberBase, IntegerDigitsAreExact)
{
    const QString fiftyOnes(50, u'1');
    const QString dblMaxHex = QStringLiteral("FFFFFFFFFFFFF8") + QString(242, u'0');
    const QString belowEdgeHex = QStringLiteral("FFFFFFFFFFFFFB") + QString(242, u'F');
    const QByteArray ones = fiftyOnes.toUtf8(), maxHex = dblMaxHex.toUtf8(), belowEdge = belowEdgeHex.toUtf8();
    const QByteArray e308 = (QStringLiteral("1") + QString(308, u'0')).toUtf8();
    runTable({
        {10, "12", 2, "1100"}, {10, "12", 16, "C"}, {16, "FFFF", 10, "65535"}, {10, "65535", 16, "FFFF"},
        {2, ones.constData(), 16, "3FFFFFFFFFFFF"}, {2, ones.constData(), 10, "1125899906842623"},
        {10, "9007199254740991", 16, "1FFFFFFFFFFFFF"}, {10, "9007199254740993", 10, "9007199254740993"},
        {10, "18446744073709551615", 16, "FFFFFFFFFFFFFFFF"}, {10, "18446744073709551617", 16, "10000000000000001"},
        {10, "1E20", 16, "56BC75E2D63100000"}, {10, "1E308", 10, e308.constData()},
        {16, maxHex.constData(), 10,
         "1797693134862315708145274237317043567980705675258449965989174768031572607800285387605895586327668781"
         "7154045895351438246423432132688946418276846754670353751698604991057655128207624549009038932894407586"
         "8508455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026184"
         "124858368"},
        // Just below the value that rounds to no double.
        {16, belowEdge.constData(), 16, belowEdge.constData()},
    });
}

TEST(NumberBase, HubKeepsEveryBitOfAComputedValue)
{
    // 1/3 at fifteen digits came back as 0.0222222222.
    runTable({{3, "0.1", 3, "0.1000000000"}, {7, "0.1", 7, "0.1000000000"}, {13, "0.1", 13, "0.1000000000"},
              {3, "0.1", 10, "0.3333333333"}});
}

TEST(NumberBase, NegativeDecimalsCarryAMinusSign)
{
    runTable({{10, "-12", 2, "-1100"}, {10, "-255", 16, "-FF"}, {10, "-0.5", 2, "-0.1000000000"},
              {10, "-12.29", 10, "-12.2900000000"}, {10, "-0", 2, "0"}, {10, "-1", 3, "-1"},
              // Outside base 10 a minus sign is no digit: it weighs 0 like any stray character.
              {2, "-11", 10, "3"}});
}

// A result whose digits are all zero is zero: it carries no sign.
TEST(NumberBase, NoMinusSignBeforeZeroDigits)
{
    runTable({{10, "-0.0001", 2, "0.0000000000"}, {10, "-0.00000000001", 10, "0.0000000000"},
              {10, "-1E-400", 16, "0.0000000000"}, {10, "-0.000", 10, "0"},
              {10, "-0.0009765625", 2, "-0.0000000001"}, {10, "-0.0001", 16, "-0.00068DB8BA"}});
}

TEST(NumberBase, StrayCharactersWeighZeroAndKeepTheirPlace)
{
    runTable({{2, "2", 10, "2"}, {2, "9", 10, "9"}, {2, "1x1", 10, "5"}, {2, "1 1", 10, "5"},
              {16, "1.8.8", 10, "1.5019531250"}, {16, "g", 10, "0"}, {10, "12abc", 2, "1100"},
              {10, "abc", 2, "0"}, {10, "1E3", 16, "3E8"}, {10, "&HFF", 10, "255"}});
}

TEST(NumberBase, LongZerosAndFractionsDoNotOverflow)
{
    const QByteArray zerosThenOne = (QString(10000, u'0') + u'1').toUtf8();
    const QByteArray longFraction = (QStringLiteral("0.1") + QString(10000, u'0')).toUtf8();
    const QByteArray onesFraction = (QStringLiteral("0.") + QString(10000, u'1')).toUtf8();
    const QByteArray threes = (QStringLiteral("0.") + QString(10000, u'3')).toUtf8();
    const QByteArray nines = (QString(308, u'9') + u'.' + QString(10000, u'9')).toUtf8();
    const QByteArray ninesOut = (QString(308, u'9') + QStringLiteral(".9999999999")).toUtf8();
    const QByteArray tiny = (QStringLiteral("0.") + QString(10000, u'0') + u'1').toUtf8();
    runTable({{2, zerosThenOne.constData(), 10, "1"}, {16, longFraction.constData(), 10, "0.0625000000"},
              // 1 - 2^-10000 and a third less 10^-10000 / 3: every digit counts.
              {2, onesFraction.constData(), 10, "0.9999999999"}, {10, threes.constData(), 3, "0.0222222222"},
              {10, nines.constData(), 10, ninesOut.constData()}, {10, tiny.constData(), 16, "0.0000000000"}});
}

TEST(NumberBase, OutOfRangeIsReportedAndYieldsEmptyText)
{
    rt::MessageRecorder rec;
    Cl_Number_Base n;
    n.setzen_base10(QStringLiteral("7"));
    n.setzen_base16(QString(300, u'F')); // 16^300 is beyond the double range
    EXPECT_EQ(rec.messages, QStringList{QStringLiteral("Overflow")});
    EXPECT_EQ(n.output_base10(), QStringLiteral("7")) << "a failed setter leaves the hub alone";

    rec.messages.clear();
    n.setzen_base10(QStringLiteral("1E400"));
    EXPECT_EQ(n.output_base2(), QString());
    EXPECT_EQ(rec.messages, QStringList{QStringLiteral("Overflow")});
    EXPECT_TRUE(n.failed());

    // Where the parse overflows, from the value on that rounds to no double.
    for (const QString& text : {QStringLiteral("1.7976931348623159E308"), QStringLiteral("-1E309"),
                                QString(309, u'9'), QString(310, u'9'), QStringLiteral("1E99999999999"),
                                QStringLiteral("&HFFFFFFFFFFFFFC") + QString(242, u'0')}) {
        rec.messages.clear();
        EXPECT_EQ(convert(10, text, 16), QString()) << text.left(30).toStdString();
        EXPECT_EQ(rec.messages, QStringList{QStringLiteral("Overflow")}) << text.left(30).toStdString();
    }
    rec.messages.clear();
    EXPECT_EQ(convert(10, QStringLiteral("1.7976931348623158E308"), 10).size(), 309);
    Cl_Number_Base hex;
    hex.setzen_base16(QStringLiteral("FFFFFFFFFFFFFC") + QString(242, u'0'));
    EXPECT_EQ(rec.messages, QStringList{QStringLiteral("Overflow")});
    EXPECT_TRUE(hex.failed());
}

TEST(NumberBase, OutputsWithNothingSetGiveZero)
{
    Cl_Number_Base n;
    for (int b = 2; b <= 16; ++b) EXPECT_EQ(outIn(n, b), QStringLiteral("0")) << b;
}

// Any text into any setter, then any output: a number text or a reported
// run-time error with empty text, never a crash or a hang.
TEST(NumberBase, AnyTextGivesAResultOrAReportedError)
{
    std::mt19937 rng(20240611);
    const QString alphabet = QStringLiteral("0123456789abcdefABCDEFxyzXYZ.-+E &H\t\n");
    const QRegularExpression number(QStringLiteral("^-?[0-9A-F]+(\\.[0-9A-F]{10})?$"));
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    std::vector<QString> inputs = {QString(), QStringLiteral("-"), QStringLiteral("."), QStringLiteral(".."),
                                   QStringLiteral("1.2.3"), QStringLiteral("1E308"), QStringLiteral("-1E308"),
                                   QStringLiteral("1E309"), QStringLiteral("zzz"), QString(10000, u'9'),
                                   QString(10000, u'.'), QString(10000, u'F'), QString(10000, u'1')};
    for (int i = 0; i < 3000; ++i) {
        const int kind = pick(10);
        const int len = kind == 0 ? pick(10001) : pick(40);
        QString s;
        s.reserve(len);
        for (int j = 0; j < len; ++j) {
            if (kind == 1) s += QChar(static_cast<char16_t>(1 + pick(0xD7FF))); // random characters
            else s += alphabet[pick(static_cast<int>(alphabet.size()))];
        }
        inputs.push_back(s);
    }

    rt::MessageRecorder rec;
    for (const QString& in : inputs) {
        for (int k = 0; k < 2; ++k) {
            const int from = 2 + pick(15), to = 2 + pick(15);
            rec.messages.clear();
            const QString out = convert(from, in, to);
            const QString shown = in.left(40);
            if (out.isEmpty()) EXPECT_FALSE(rec.messages.isEmpty()) << "empty text without a message for '" << shown.toStdString() << "'";
            else EXPECT_TRUE(number.match(out).hasMatch()) << out.left(60).toStdString() << " from '" << shown.toStdString() << "'";
        }
    }
}

TEST(clnumber, StoresTextsAndConvertsNothing)
{
    clnumber n;
    n.setzen_Dec(QStringLiteral("12"));
    n.setzen_Hex(QStringLiteral("C"));
    EXPECT_FALSE(n.Out_Dec().isValid());
    EXPECT_FALSE(n.Out_bin().isValid());
    EXPECT_FALSE(n.Out_Oct().isValid());
    EXPECT_FALSE(n.Out_Hex().isValid());
}

} // namespace
