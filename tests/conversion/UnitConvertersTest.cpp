// The sixteen unit converters against tables computed independently from the
// factor definitions (make_unit_cases.py): every unit name and every cell of
// every pair table.
#include "conversion/Calc_conv_Power.h"
#include "conversion/Calc_conv_Vol.h"
#include "conversion/Calc_conv_accel.h"
#include "conversion/Calc_conv_angle.h"
#include "conversion/Calc_conv_area.h"
#include "conversion/Calc_conv_dens.h"
#include "conversion/Calc_conv_force.h"
#include "conversion/Calc_conv_freq.h"
#include "conversion/Calc_conv_len.h"
#include "conversion/Calc_conv_mass.h"
#include "conversion/Calc_conv_press.h"
#include "conversion/Calc_conv_temp.h"
#include "conversion/Calc_conv_time.h"
#include "conversion/Calc_conv_torque.h"
#include "conversion/Calc_conv_vel.h"
#include "conversion/Calc_conv_work.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

struct Converter {
    ConvSkeleton::Units (*units)();
    ConvSkeleton::Output (*convert)(int from, int to, QStringView input);
};

const std::map<std::string, Converter> converters = {
    {"len", {Calc_conv_len::units, Calc_conv_len::conv_len}},
    {"area", {Calc_conv_area::units, Calc_conv_area::conv_area}},
    {"vol", {Calc_conv_Vol::units, Calc_conv_Vol::conv_vol}},
    {"mass", {Calc_conv_mass::units, Calc_conv_mass::conv_mass}},
    {"force", {Calc_conv_force::units, Calc_conv_force::conv_force}},
    {"press", {Calc_conv_press::units, Calc_conv_press::conv_press}},
    {"work", {Calc_conv_work::units, Calc_conv_work::conv_work}},
    {"power", {Calc_conv_Power::units, Calc_conv_Power::conv_power}},
    {"time", {Calc_conv_time::units, Calc_conv_time::conv_time}},
    {"freq", {Calc_conv_freq::units, Calc_conv_freq::conv_freq}},
    {"temp", {Calc_conv_temp::units, Calc_conv_temp::conv_temp}},
    {"dens", {Calc_conv_dens::units, Calc_conv_dens::conv_dens}},
    {"angle", {Calc_conv_angle::units, Calc_conv_angle::conv_angle}},
    {"torque", {Calc_conv_torque::units, Calc_conv_torque::conv_torque}},
    {"vel", {Calc_conv_vel::units, Calc_conv_vel::conv_vel}},
    {"accel", {Calc_conv_accel::units, Calc_conv_accel::conv_accel}},
};

int unitCount(const Converter& c) { return static_cast<int>(c.units().size()); }

struct UnitNames {
    const char* converter;
    std::vector<std::string> units;
};

struct Case {
    const char* converter;
    int from, to;
    const char* input;
    const char* expected;
};

#include "UnitCases.inc"

QString run(const std::string& name, int from, int to, const QString& input)
{
    const ConvSkeleton::Output out = converters.at(name).convert(from, to, input);
    return out ? *out : QStringLiteral("<nothing>");
}

} // namespace

// The names pin the lists' entries and order; with them the cases below
// cover every cell of every table.
TEST(UnitConverters, UnitsAreTheListEntriesInOrder)
{
    ASSERT_EQ(std::size(unitNames), converters.size());
    for (const UnitNames& expected : unitNames) {
        std::vector<std::string> units;
        for (const char* unit : converters.at(expected.converter).units()) units.emplace_back(unit);
        EXPECT_EQ(units, expected.units) << expected.converter;
    }
}

TEST(UnitConverters, EveryCellOfEveryPairTable)
{
    for (const Case& c : everyCell)
        EXPECT_EQ(run(c.converter, c.from, c.to, c.input), QString::fromLatin1(c.expected))
            << c.converter << " " << c.from << " -> " << c.to << " of " << c.input;
}

// The cases where the last bit of a formula decides the pattern, and the
// values that the converters' descriptions single out.
TEST(UnitConverters, ResultsThatDependOnTheOrderOfEvaluation)
{
    const Case cases[] = {
        {"len", 3, 0, "1", "1.0000E+06"},    // 1 / (0.00001 * 0.1) is 999999.9999999999
        {"len", 0, 3, "1", "1.0000E-06"},    {"len", 4, 0, "1", "25.40"},
        {"len", 5, 4, "1", "12.0000"},       {"len", 2, 7, "1", "6.2140E-04"},
        {"len", 7, 2, "1", "1609.34"},       {"len", 0, 4, "1", "3.9380E-02"},
        {"area", 7, 4, "1", "4014489600.0000"}, // 63360^2, whole
        {"area", 0, 1, "1", "1.0000E-02"},   // 0.1^2 is 0.010000000000000002, not whole
        {"area", 2, 6, "1", "1.1968"},       {"area", 3, 5, "1", "10764961.0000"},
        {"area", 1, 8, "1", "2.4700E-08"},   {"area", 8, 2, "1", "4046.86"},
        {"vol", 7, 4, "1", "254358061056000.0000"}, // 63360^3
        {"vol", 2, 8, "1", "1000.0000"},     {"vol", 8, 2, "1", "1.0000E-03"},
        {"vol", 10, 9, "1", "8.0000"},       {"vol", 9, 10, "1", "0.1250"},
        {"vol", 11, 10, "1", "16.0000"},     {"vol", 6, 8, "1", "764.53"},
        {"vol", 10, 4, "1", "14.44"},        {"vol", 11, 5, "1", "0.1337"},
        {"vol", 3, 4, "1", "6.1024E+13"},    {"vol", 3, 5, "1", "35319837041.0000"},
        {"mass", 1, 0, "1", "1000.0000"},    {"mass", 2, 1, "1", "14.59"},
        {"force", 4, 5, "1", "16.00"},     {"force", 5, 4, "1", "6.2500E-02"},
        {"force", 2, 1, "1", "0.1020"},      {"force", 2, 3, "1", "100000.0000"},
        {"press", 0, 1, "1", "760.0000"},    {"press", 4, 5, "1", "144.0000"},
        {"press", 7, 6, "1", "10.0000"},     {"press", 3, 7, "1", "100000.0000"},
        {"work", 2, 0, "1", "3600.0000"},    {"work", 1, 0, "1", "1.0000"},
        {"power", 1, 0, "1", "745.70"},      {"power", 0, 1, "1", "1.3410E-03"},
        {"time", 0, 4, "1", "86400000.0000"}, {"time", 2, 1, "90", "1.5000"},
        {"freq", 0, 1, "1", "6.2832"},       {"freq", 3, 0, "abc", "0.0000"},
        {"angle", 0, 1, "180", "3.1416"},    {"angle", 1, 0, "1", "57.30"},
        {"dens", 0, 1, "1000", "1.0000"},    {"dens", 2, 3, "1", "1728.01"},
        {"torque", 1, 0, "10000000", "1.0000"}, {"torque", 2, 3, "1", "192.0000"},
        {"accel", 3, 2, "12", "1.0000"},     {"accel", 2, 1, "1", "0.3048"},
        {"vel", 2, 3, "1", "3.6000"},        {"vel", 7, 4, "1", "1.6890"},
        {"vel", 6, 5, "1", "17.60"},         {"vel", 0, 6, "1000", "2.2369"},
        {"temp", 0, 2, "100", "212.0000"},   {"temp", 0, 1, "100", "373.15"},
        {"temp", 0, 3, "100", "671.67"},     {"temp", 2, 0, "-40", "-40.0000"},
        {"temp", 1, 0, "0", "-273.15"},      {"temp", 1, 3, "0", "5.6843E-14"},
        {"temp", 3, 0, "491.67", "0.0000"},  {"temp", 2, 1, "32", "273.15"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.converter, c.from, c.to, c.input), QString::fromLatin1(c.expected))
            << c.converter << " " << c.from << " -> " << c.to << " of " << c.input;
}

TEST(UnitConverters, EqualPositionsCopyTheParsedInputUnformatted)
{
    for (const auto& [name, conv] : converters) {
        EXPECT_EQ(run(name, 0, 0, "1.0"), "1") << name;
        EXPECT_EQ(run(name, unitCount(conv) - 1, unitCount(conv) - 1, "2.50"), "2.5") << name;
        EXPECT_EQ(run(name, 1, 1, "abc"), "0") << name;
        EXPECT_EQ(run(name, 1, 1, ""), "0") << name;
    }
}

TEST(UnitConverters, TextWithoutANumberConvertsZero)
{
    EXPECT_EQ(run("len", 1, 2, ""), "0.0000");
    EXPECT_EQ(run("time", 3, 0, "abc"), "0.0000");
    EXPECT_EQ(run("temp", 0, 2, "abc"), "32.0000");
    EXPECT_EQ(run("temp", 1, 0, ""), "-273.15");
}

TEST(UnitConverters, APositionOutsideTheListWritesNothingAndReadsNothing)
{
    rt::MessageRecorder rec;
    for (const auto& [name, conv] : converters) {
        // Reading "1E999" would be an overflow: the input must stay unread.
        for (auto [from, to] : {std::pair{-1, 0}, {unitCount(conv), 0}, {-1, -1}}) {
            EXPECT_EQ(run(name, from, to, "1E999"), "<nothing>") << name << " " << from << " -> " << to;
        }
        if (name != "temp") {
            EXPECT_EQ(run(name, 0, -1, "1E999"), "<nothing>") << name;
        }
        EXPECT_EQ(run(name, 0, -1, "5"), "<nothing>") << name;
        EXPECT_EQ(run(name, 0, unitCount(conv), "5"), "<nothing>") << name;
    }
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST(UnitConverters, ResultsBeyondTheDoubleRangeAreOverflowErrors)
{
    const Case cases[] = {
        {"len", 2, 1, "1E308", ""},   {"len", 3, 0, "1E303", ""},  {"area", 3, 0, "1E297", ""},
        {"vol", 7, 0, "1E290", ""},   {"vol", 3, 9, "1E300", ""},  {"mass", 2, 0, "1E305", ""},
        {"press", 0, 6, "1E303", ""}, {"work", 3, 4, "1E307", ""}, {"time", 0, 4, "1E301", ""},
        {"vel", 2, 0, "1E306", ""},   {"temp", 0, 2, "1E308", ""}, {"temp", 1, 2, "1.7E308", ""},
        {"len", 0, 1, "-1E309", ""}, // the input itself is beyond the range
    };
    for (const Case& c : cases) {
        try {
            const QString out = run(c.converter, c.from, c.to, c.input);
            ADD_FAILURE() << c.converter << " " << c.from << " -> " << c.to << " of " << c.input << " gave "
                          << out.toStdString();
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.description(), "Overflow") << c.converter << " of " << c.input;
        }
    }
}

// The cases above are the generator's output kept in the tree: a generator
// edited but not run again, or a case edited by hand, fails here.
TEST(UnitConverters, TheCasesAreWhatTheirGeneratorWrites)
{
    const QDir here = QFileInfo(QStringLiteral(__FILE__)).absoluteDir();
    QProcess python;
    python.start(QStringLiteral("python3"), {here.filePath(QStringLiteral("make_unit_cases.py"))});
    ASSERT_TRUE(python.waitForStarted()) << "python3 runs the generator: " << python.errorString().toStdString();
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QStringList written = QString::fromUtf8(python.readAllStandardOutput()).split(u'\n');

    QFile file(here.filePath(QStringLiteral("UnitCases.inc")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QStringList kept = QString::fromUtf8(file.readAll()).split(u'\n');

    for (qsizetype i = 0; i < std::min(written.size(), kept.size()); ++i)
        ASSERT_EQ(kept[i], written[i]) << "line " << i + 1 << " of UnitCases.inc; write it again with "
                                      << "python3 tests/conversion/make_unit_cases.py > tests/conversion/UnitCases.inc";
    EXPECT_EQ(kept.size(), written.size()) << "lines in UnitCases.inc and in the generator's output";
}
