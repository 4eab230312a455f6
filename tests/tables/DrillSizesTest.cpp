// The drill table against the rules that produce it: standard number and
// letter sizes, 64ths of an inch, order by exact diameter, the text forms.
#include "TestSupport.h"

#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tables/Drill_sizes.h"
#include "tables/ui/FlexGrid.h"
#include "tables/ui/Frm_Drill_sizes.h"

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

namespace {

// Number drills 80 to 1 and letter drills A to Z in ten-thousandths of an inch.
const int kNumber[] = {135,  145,  160,  180,  200,  210,  225,  240,  250,  260,  280,  292,  310,  320,
                       330,  350,  360,  370,  380,  390,  400,  410,  420,  430,  465,  520,  550,  595,
                       635,  670,  700,  730,  760,  785,  810,  820,  860,  890,  935,  960,  980,  995,
                       1015, 1040, 1065, 1100, 1110, 1130, 1160, 1200, 1285, 1360, 1405, 1440, 1470, 1495,
                       1520, 1540, 1570, 1590, 1610, 1660, 1695, 1730, 1770, 1800, 1820, 1850, 1890, 1910,
                       1935, 1960, 1990, 2010, 2040, 2055, 2090, 2130, 2210, 2280};
const int kLetter[] = {2340, 2380, 2420, 2460, 2500, 2570, 2610, 2660, 2720, 2770, 2810, 2900, 2950,
                       3020, 3160, 3230, 3320, 3390, 3480, 3580, 3680, 3770, 3860, 3970, 4040, 4130};

// Ten-thousandths as the table writes them: four decimals, no "0" before the point.
QString text4(long long tenThousandths)
{
    const QString whole = tenThousandths >= 10000 ? QString::number(tenThousandths / 10000) : QString();
    return whole + "." + QString::number(tenThousandths % 10000).rightJustified(4, '0');
}

struct Drill {
    long long num, den; // exact diameter num/den inch
    int kind;           // 0 number or letter, 1 fraction: equal diameters list kind 0 first
    QString name, inch, mm;
};

std::vector<Drill> expectedDrills()
{
    // The sixteen odd 32nds lie exactly halfway in millimetres; the sheet's texts.
    const std::map<int, QString> halfway = {
        {1, ".7937"},    {3, "2.3812"},   {5, "3.9688"},   {7, "5.5562"},   {9, "7.1437"},   {11, "8.7312"},
        {13, "10.3188"}, {15, "11.9063"}, {17, "13.4937"}, {19, "15.0812"}, {21, "16.6687"}, {23, "18.2562"},
        {25, "19.8438"}, {27, "21.4312"}, {29, "23.0187"}, {31, "24.6062"}};
    std::vector<Drill> d;
    auto standard = [&](int k, const QString& name) {
        // Four-decimal inch size times 25.4, to four decimals (half up; only 69 rounds).
        const long long mm100k = static_cast<long long>(k) * 254; // 1e-5 mm
        d.push_back({k, 10000, 0, name, text4(k), text4((mm100k + 5) / 10)});
    };
    for (int i = 0; i < 80; ++i) standard(kNumber[i], QString::number(80 - i));
    for (int i = 0; i < 26; ++i) standard(kLetter[i], QString(QChar('A' + i)));
    for (int n = 1; n <= 64; ++n) {
        const int g = std::gcd(n, 64);
        const int a = n / g, b = 64 / g;
        const QString name = n == 64 ? QString("1") : QString("%1/%2").arg(a, 3).arg(b, -2);
        const long long inch = (n * 10000LL * 2 + 64) / 128; // n/64 to 1e-4, half up
        // n/64 * 25.4 mm = n * 3968.75 in 1e-4 mm
        QString mm;
        if (b == 32 && halfway.count(a)) mm = halfway.at(a);
        else mm = text4((n * 396875LL + 50) / 100);
        d.push_back({n, 64, 1, name, text4(inch), mm});
    }
    std::stable_sort(d.begin(), d.end(), [](const Drill& x, const Drill& y) {
        const long long l = x.num * y.den, r = y.num * x.den;
        return l != r ? l < r : x.kind < y.kind;
    });
    return d;
}

} // namespace

TEST(DrillSizes, EveryRowFollowsTheRules)
{
    const QStringList& cells = Drill_sizes::cells();
    ASSERT_EQ(cells.size(), Drill_sizes::rows * Drill_sizes::cols);
    EXPECT_EQ(cells.mid(0, 3), (QStringList{"Drill No.", "Dia.[In.]", "Dia.[mm]"}));
    const std::vector<Drill> drills = expectedDrills();
    ASSERT_EQ(drills.size(), 170u);
    for (int r = 1; r <= 170; ++r) {
        const Drill& e = drills[static_cast<size_t>(r - 1)];
        SCOPED_TRACE("row " + std::to_string(r) + " " + e.name.toStdString());
        EXPECT_EQ(cells[r * 3], e.name);
        EXPECT_EQ(cells[r * 3 + 1], e.inch);
        EXPECT_EQ(cells[r * 3 + 2], e.mm);
        if (e.kind == 1 && e.name != "1") {
            EXPECT_EQ(cells[r * 3].size(), 6);
        }
    }
}

TEST(DrillSizes, WindowShowsTheTableUnderAFixedHeading)
{
    MDIForm1::instance().findChild<QAction*>("Mdrill_sizes")->trigger();
    auto* w = Forms::existing<Frm_Drill_sizes>();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isLoaded());
    EXPECT_FALSE(w->isMdiChild());
    EXPECT_EQ(w->windowTitle(), "Drill Sizes");
    auto* grid = child<FlexGrid>(w, "MSFlexGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Rows(), 171);
    EXPECT_EQ(grid->Cols(), 3);
    const QStringList& cells = Drill_sizes::cells();
    for (int i = 0; i < cells.size(); ++i) ASSERT_EQ(grid->TextMatrix(i / 3, i % 3), cells[i]) << "cell " << i;

    struct Case {
        int row;
        QStringList texts;
    };
    const Case cases[] = {
        {22, {"61", ".0390", ".9906"}},       {23, {"60", ".0400", "1.0160"}},
        {94, {"1", ".2280", "5.7912"}},       {100, {"E", ".2500", "6.3500"}},
        {101, {"  1/4 ", ".2500", "6.3500"}}, {58, {"  1/8 ", ".1250", "3.1750"}},
        {170, {"1", "1.0000", "25.4000"}},
    };
    for (const Case& c : cases)
        for (int col = 0; col < 3; ++col) EXPECT_EQ(grid->TextMatrix(c.row, col), c.texts[col]) << "row " << c.row;

    // The heading row is the header: scrolling to the last drill leaves it in place.
    QHeaderView* header = grid->horizontalHeader();
    const QRect before = header->geometry();
    grid->scrollToBottom();
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(header->isVisible());
    EXPECT_EQ(header->geometry(), before);
    EXPECT_EQ(header->model()->headerData(0, Qt::Horizontal).toString(), "Drill No.");

    // No handler follows a resize.
    const QRect gridPlace = grid->geometry();
    w->resize(w->width() + 200, w->height() + 100);
    EXPECT_EQ(grid->geometry(), gridPlace);
    w->close();
}

TEST(DrillSizes, ReopeningShowsTheSameTable)
{
    MDIForm1::instance().openItem("Mdrill_sizes");
    auto& w = Forms::instance<Frm_Drill_sizes>();
    const int loads = w.loadCount();
    w.close();
    EXPECT_FALSE(w.isLoaded());
    MDIForm1::instance().openItem("Mdrill_sizes");
    EXPECT_EQ(w.loadCount(), loads + 1);
    auto* grid = child<FlexGrid>(&w, "MSFlexGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Rows(), 171);
    EXPECT_EQ(grid->TextMatrix(3, 0), "  1/64");
    EXPECT_EQ(grid->TextMatrix(170, 2), "25.4000");
    w.close();
}

// The keyboard moves the current cell where the user looks; code that sets
// the current cell leaves the view where it is.
TEST(DrillSizes, KeysScrollTheCurrentCellIntoView)
{
    MDIForm1::instance().openItem("Mdrill_sizes");
    auto& w = Forms::instance<Frm_Drill_sizes>();
    auto* grid = child<FlexGrid>(&w, "MSFlexGrid1");
    ASSERT_NE(grid, nullptr);
    grid->setFocus();
    grid->setRow(1);
    grid->setCol(0);
    auto inView = [grid] {
        const QRect cell = grid->visualRect(grid->currentIndex());
        return grid->currentIndex().isValid() && grid->viewport()->rect().contains(cell);
    };
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int presses;
    };
    const Step steps[] = {{Qt::Key_Down, Qt::NoModifier, 40},
                          {Qt::Key_PageDown, Qt::NoModifier, 3},
                          {Qt::Key_End, Qt::ControlModifier, 1},
                          {Qt::Key_Home, Qt::ControlModifier, 1},
                          {Qt::Key_PageDown, Qt::NoModifier, 1}};
    for (const Step& s : steps) {
        for (int i = 0; i < s.presses; ++i) QTest::keyClick(grid, s.key, s.mods);
        EXPECT_TRUE(inView()) << "after key " << s.key << " at row " << grid->currentRow();
    }
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->currentRow(), grid->rowCount() - 1);

    grid->scrollToTop();
    grid->setRow(170);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(inView());
    w.close();
}
