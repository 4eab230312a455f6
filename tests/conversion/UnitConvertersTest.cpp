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
#include "conversion/ui/FConversion.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

using ConvSkeleton::Converter;

struct Cell {
    int from, to;
    const char* input;
    const char* expected;
};

// The cells of one converter.
struct Cells {
    const Converter& converter;
    std::vector<Cell> cells;
};

// A generated cell names its pair by the units, so that a unit added
// anywhere in a list leaves the other cells' lines as they were.
struct NamedCell {
    const char* from;
    const char* to;
    const char* input;
    const char* expected;
};

struct UnitCases {
    const Converter& converter;
    std::vector<std::string> units;
    std::vector<NamedCell> cells;
};

#include "UnitCases.inc"

int unitCount(const Converter& c) { return static_cast<int>(c.units.size()); }

QString run(const Converter& c, int from, int to, const QString& input)
{
    const ConvSkeleton::Output out = c.convert(from, to, input);
    return out ? *out : QStringLiteral("<nothing>");
}

// A pair as the lists name it ("km" -> "mm"), a position outside them by its number.
std::string pairText(const Converter& c, int from, int to)
{
    auto name = [&c](int p) {
        return ConvSkeleton::inRange(p, c.units.size()) ? '"' + std::string(c.units[static_cast<std::size_t>(p)]) + '"'
                                                        : std::to_string(p);
    };
    return name(from) + " -> " + name(to);
}

void expectCells(const Cells& group)
{
    for (const Cell& c : group.cells)
        EXPECT_EQ(run(group.converter, c.from, c.to, c.input), QString::fromLatin1(c.expected))
            << pairText(group.converter, c.from, c.to) << " of " << c.input;
}

} // namespace

// The names pin the lists' entries and order; with them the cases below
// cover every cell of every table. Every tab of the window but the number
// bases and the prefixes has its converter here.
TEST(UnitConverters, UnitsAreTheListEntriesInOrder)
{
    for (const UnitCases& expected : unitCases) {
        std::vector<std::string> units;
        for (const char* unit : expected.converter.units) units.emplace_back(unit);
        EXPECT_EQ(units, expected.units) << expected.units.front();
    }
    for (int t = 0; t < FConversion::tabCount; ++t) {
        if (t == FConversion::numbersTab || t == FConversion::prefixTab) continue;
        const Converter* tab = &FConversion::converterOf(t);
        EXPECT_EQ(std::count_if(std::begin(unitCases), std::end(unitCases),
                                [tab](const UnitCases& u) { return &u.converter == tab; }),
                  1)
            << "tab " << t << " has its cases once";
    }
    EXPECT_EQ(std::size(unitCases), std::size_t{FConversion::tabCount - 2});
}

TEST(UnitConverters, EveryCellOfEveryPairTable)
{
    for (const UnitCases& u : unitCases) {
        const auto position = [&u](const char* unit) {
            const auto at = std::find(u.units.begin(), u.units.end(), unit);
            EXPECT_NE(at, u.units.end()) << unit << " is none of the converter's units";
            return static_cast<int>(at - u.units.begin());
        };
        std::vector<Cell> cells;
        for (const NamedCell& c : u.cells) cells.push_back({position(c.from), position(c.to), c.input, c.expected});
        EXPECT_EQ(cells.size(), u.units.size() * u.units.size()) << u.units.front();
        expectCells({u.converter, cells});
    }
}

// The cases where the last bit of a formula decides the pattern, and the
// values that the converters' descriptions single out.
TEST(UnitConverters, ResultsThatDependOnTheOrderOfEvaluation)
{
    const Cells cases[] = {
        {Calc_conv_len::converter,
         {{3, 0, "1", "1.0000E+06"}, // 1 / (0.00001 * 0.1) is 999999.9999999999
          {0, 3, "1", "1.0000E-06"},
          {4, 0, "1", "25.40"},
          {5, 4, "1", "12.0000"},
          {2, 7, "1", "6.2140E-04"},
          {7, 2, "1", "1609.34"},
          {0, 4, "1", "3.9380E-02"}}},
        {Calc_conv_area::converter,
         {{7, 4, "1", "4014489600.0000"}, // 63360^2, whole
          {0, 1, "1", "1.0000E-02"},      // 0.1^2 is 0.010000000000000002, not whole
          {2, 6, "1", "1.1968"},
          {3, 5, "1", "10764961.0000"},
          {1, 8, "1", "2.4700E-08"},
          {8, 2, "1", "4046.86"}}},
        {Calc_conv_Vol::converter,
         {{7, 4, "1", "254358061056000.0000"}, // 63360^3
          {2, 8, "1", "1000.0000"},
          {8, 2, "1", "1.0000E-03"},
          {10, 9, "1", "8.0000"},
          {9, 10, "1", "0.1250"},
          {11, 10, "1", "16.0000"},
          {6, 8, "1", "764.53"},
          {10, 4, "1", "14.44"},
          {11, 5, "1", "0.1337"},
          {3, 4, "1", "6.1024E+13"},
          {3, 5, "1", "35319837041.0000"}}},
        {Calc_conv_mass::converter, {{1, 0, "1", "1000.0000"}, {2, 1, "1", "14.59"}}},
        {Calc_conv_force::converter,
         {{4, 5, "1", "16.00"}, {5, 4, "1", "6.2500E-02"}, {2, 1, "1", "0.1020"}, {2, 3, "1", "100000.0000"}}},
        {Calc_conv_press::converter,
         {{0, 1, "1", "760.0000"}, {4, 5, "1", "144.0000"}, {7, 6, "1", "10.0000"}, {3, 7, "1", "100000.0000"}}},
        {Calc_conv_work::converter, {{2, 0, "1", "3600.0000"}, {1, 0, "1", "1.0000"}}},
        {Calc_conv_Power::converter, {{1, 0, "1", "745.70"}, {0, 1, "1", "1.3410E-03"}}},
        {Calc_conv_time::converter, {{0, 4, "1", "86400000.0000"}, {2, 1, "90", "1.5000"}}},
        {Calc_conv_freq::converter, {{0, 1, "1", "6.2832"}, {3, 0, "abc", "0.0000"}}},
        {Calc_conv_angle::converter, {{0, 1, "180", "3.1416"}, {1, 0, "1", "57.30"}}},
        {Calc_conv_dens::converter, {{0, 1, "1000", "1.0000"}, {2, 3, "1", "1728.01"}}},
        {Calc_conv_torque::converter, {{1, 0, "10000000", "1.0000"}, {2, 3, "1", "192.0000"}}},
        {Calc_conv_accel::converter, {{3, 2, "12", "1.0000"}, {2, 1, "1", "0.3048"}}},
        {Calc_conv_vel::converter,
         {{2, 3, "1", "3.6000"}, {7, 4, "1", "1.6890"}, {6, 5, "1", "17.60"}, {0, 6, "1000", "2.2369"}}},
        {Calc_conv_temp::converter,
         {{0, 2, "100", "212.0000"},
          {0, 1, "100", "373.15"},
          {0, 3, "100", "671.67"},
          {2, 0, "-40", "-40.0000"},
          {1, 0, "0", "-273.15"},
          {1, 3, "0", "5.6843E-14"},
          {3, 0, "491.67", "0.0000"},
          {2, 1, "32", "273.15"}}},
    };
    for (const Cells& group : cases) expectCells(group);
}

TEST(UnitConverters, EqualPositionsCopyTheParsedInputUnformatted)
{
    for (const UnitCases& u : unitCases) {
        const Converter& c = u.converter;
        const int last = unitCount(c) - 1;
        EXPECT_EQ(run(c, 0, 0, "1.0"), "1") << u.units.front();
        EXPECT_EQ(run(c, last, last, "2.50"), "2.5") << u.units.back();
        EXPECT_EQ(run(c, 1, 1, "abc"), "0") << u.units[1];
        EXPECT_EQ(run(c, 1, 1, ""), "0") << u.units[1];
    }
}

TEST(UnitConverters, TextWithoutANumberConvertsZero)
{
    expectCells({Calc_conv_len::converter, {{1, 2, "", "0.0000"}}});
    expectCells({Calc_conv_time::converter, {{3, 0, "abc", "0.0000"}}});
    expectCells({Calc_conv_temp::converter, {{0, 2, "abc", "32.0000"}, {1, 0, "", "-273.15"}}});
}

TEST(UnitConverters, APositionOutsideTheListWritesNothingAndReadsNothing)
{
    rt::MessageRecorder rec;
    for (const UnitCases& u : unitCases) {
        const Converter& c = u.converter;
        const int n = unitCount(c);
        // Reading "1E999" would be an overflow: the input must stay unread.
        for (auto [from, to] : {std::pair{-1, 0}, {n, 0}, {-1, -1}})
            EXPECT_EQ(run(c, from, to, "1E999"), "<nothing>") << pairText(c, from, to);
        // The temperature converter stores the input through the from-scale
        // before it looks at the to-position.
        if (&c != &Calc_conv_temp::converter) {
            EXPECT_EQ(run(c, 0, -1, "1E999"), "<nothing>") << pairText(c, 0, -1);
        }
        EXPECT_EQ(run(c, 0, -1, "5"), "<nothing>") << pairText(c, 0, -1);
        EXPECT_EQ(run(c, 0, n, "5"), "<nothing>") << pairText(c, 0, n);
    }
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST(UnitConverters, ResultsBeyondTheDoubleRangeAreOverflowErrors)
{
    const Cells cases[] = {
        {Calc_conv_len::converter,
         {{2, 1, "1E308", ""}, {3, 0, "1E303", ""}, {0, 1, "-1E309", ""}}}, // the last input is beyond the range itself
        {Calc_conv_area::converter, {{3, 0, "1E297", ""}}},
        {Calc_conv_Vol::converter, {{7, 0, "1E290", ""}, {3, 9, "1E300", ""}}},
        {Calc_conv_mass::converter, {{2, 0, "1E305", ""}}},
        {Calc_conv_press::converter, {{0, 6, "1E303", ""}}},
        {Calc_conv_work::converter, {{3, 4, "1E307", ""}}},
        {Calc_conv_time::converter, {{0, 4, "1E301", ""}}},
        {Calc_conv_vel::converter, {{2, 0, "1E306", ""}}},
        {Calc_conv_temp::converter, {{0, 2, "1E308", ""}, {1, 2, "1.7E308", ""}}},
    };
    for (const Cells& group : cases) {
        for (const Cell& c : group.cells) {
            try {
                const QString out = run(group.converter, c.from, c.to, c.input);
                ADD_FAILURE() << pairText(group.converter, c.from, c.to) << " of " << c.input << " gave "
                              << out.toStdString();
            } catch (const rt::RuntimeError& e) {
                EXPECT_EQ(e.description(), "Overflow") << pairText(group.converter, c.from, c.to) << " of " << c.input;
            }
        }
    }
}

// The cases above are the generator's output kept in the tree: a generator
// edited but not run again, or a case edited by hand, fails here.
TEST(UnitConverters, TheCasesAreWhatTheirGeneratorWrites)
{
    const QDir here(QStringLiteral(QM_SOURCE_DIR "/tests/conversion"));
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
