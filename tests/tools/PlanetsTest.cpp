#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tools/ui/Astronomy_1.h"

#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

class PlanetsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        MDIForm1::instance().findChild<QAction*>("SunPlanets")->trigger();
        win = Forms::existing<Astronomy_1>();
        ASSERT_NE(win, nullptr);
        child<QTabWidget>(win, "SSTab1")->setCurrentIndex(1);
        strip = child<QTabBar>(win, "TabStrip1");
    }
    void TearDown() override { win->unload(); }

    QStringList values() const
    {
        QStringList v;
        for (int k = 0; k < 6; ++k) v << child<QLineEdit>(win, QString("Text1_%1").arg(k))->text();
        return v;
    }
    QString moons() const { return child<QLabel>(win, "Lbl_Moons")->text(); }
    void clickTab(QTabBar* bar, int index) { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center()); }
    // The strip scrolls; the arrow keys reach tabs out of sight.
    void pick(const QString& planet)
    {
        for (int guard = 0; guard < 9 && strip->tabText(strip->currentIndex()) != planet; ++guard) {
            int target = 0;
            while (strip->tabText(target) != planet) ++target;
            QTest::keyClick(strip, target > strip->currentIndex() ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(strip->tabText(strip->currentIndex()), planet);
    }

    Astronomy_1* win = nullptr;
    QTabBar* strip = nullptr;
};

TEST_F(PlanetsWindow, OpensOnTheSunPageWithMercuryBehind)
{
    win->unload();
    MDIForm1::instance().findChild<QAction*>("SunPlanets")->trigger();
    EXPECT_EQ(win->windowTitle(), "Astronomy - Sun and Planets");
    auto* pages = child<QTabWidget>(win, "SSTab1");
    EXPECT_EQ(pages->tabText(pages->currentIndex()), "Sun");
    QStringList sun;
    for (const char* name : {"Text6", "Text7", "Text8", "Text9", "Text10"}) sun << child<QLineEdit>(win, name)->text();
    EXPECT_EQ(sun, (QStringList{"1.99^30", " 1,390,000", "25", "5800", "15,600,000"}));

    strip = child<QTabBar>(win, "TabStrip1");
    QStringList tabs;
    for (int i = 0; i < strip->count(); ++i) tabs << strip->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"}));
    EXPECT_EQ(values(), (QStringList{"3.289E+23", "2439.7", "5.43", "2.78604", "87.97", "58.65"}));
    EXPECT_EQ(moons(), "");
}

TEST_F(PlanetsWindow, EachTabShowsItsRowAsHeld)
{
    struct Case {
        const char* planet;
        QStringList values;
    };
    const Case cases[] = {
        {"Earth", {"5.98E+24", "6371", "5.52", "9.81", "1", "365.26"}},
        {"Venus", {"4.86772E+24", "6051.9", "5.24", "8.89767", "243", "224.7"}},
        {"Mars", {"6.4584E+23", "3389.5", "3.94", "3.7278", "1.026", "686.98"}},
        {"Jupiter", {"1.900444E+27", "69911", "2.506", "24.58386", "0.414", "11.86"}},
        {"Saturn", {"5.69296E+26", "58232", "0.69", "9.07425", "0.436", "29.46"}},
        {"Uranus", {"8.69193E+25", "25362", "3.94", "7.78914", "0.436", "29.46"}},
        {"Neptune", {"1.02856E+26", "24622", "1.64", "11.03625", "0.67", "164.79"}},
        {"Pluto", {"1.495E+22", "1195", "2.05", "4.0221", "6.39", "247.7"}},
        {"Mercury", {"3.289E+23", "2439.7", "5.43", "2.78604", "87.97", "58.65"}},
    };
    for (const Case& c : cases) {
        pick(c.planet);
        EXPECT_EQ(values(), c.values) << c.planet;
    }
}

TEST_F(PlanetsWindow, MoonListsKeepTheirStoredSpaces)
{
    clickTab(strip, 2);
    EXPECT_EQ(strip->currentIndex(), 2);
    EXPECT_EQ(values()[0], "5.98E+24");
    EXPECT_EQ(moons(), "Moon");
    clickTab(strip, 1);
    EXPECT_EQ(moons(), "");

    pick("Jupiter");
    EXPECT_EQ(moons(), "Metis, Adrastea, Amalthea , Thebe, Io, Europa, Ganymede, Callisto, Leda, Himalia, Lysithea, "
                       "Elara, Ananke, Carme, Pasiphae, Sinope,  W1302, W1700, W1704, W1704_2, W1800, W1903_s , W1805, "
                       "W1902, W1904, W2002_2, W1700_2");
    pick("Mars");
    EXPECT_EQ(moons(), "Deimos, Phobos");
    pick("Saturn");
    EXPECT_EQ(moons().split(", ").size(), 18);
    EXPECT_TRUE(moons().startsWith("Pan, Atlas, Prometheus,"));
    pick("Uranus");
    const QStringList uranus = moons().split(", ");
    EXPECT_EQ(uranus.size(), 21);
    EXPECT_EQ(uranus.last(), "Trinculo");
    pick("Neptune");
    EXPECT_EQ(moons(), "Naiad, Thalassa, Despina, Galatea, Larissa, Proteus, Triton, Nereid");
    pick("Pluto");
    EXPECT_EQ(moons(), "Charon");
}

// The strip's scroll arrows take no focus: Tab leaves the strip for the
// first value box, and Shift+Tab comes back to the strip.
TEST_F(PlanetsWindow, TabFromThePlanetStripGoesToTheFirstValueBox)
{
    ASSERT_TRUE(child<QWidget>(strip, "ScrollRightButton")->isVisible()) << "the strip does not scroll at this size";
    strip->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(win->focusWidget(), strip);
    QTest::keyClick(win->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(win->focusWidget(), child<QLineEdit>(win, "Text1_0"));
    QTest::keyClick(win->focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(win->focusWidget(), strip);
    // The arrow keys still reach the tabs out of sight.
    pick("Pluto");
    EXPECT_EQ(moons(), "Charon");
}

TEST_F(PlanetsWindow, AsteroidAndCometStripsChangeNothing)
{
    pick("Neptune");
    const QStringList before = values();
    auto* pages = child<QTabWidget>(win, "SSTab1");
    pages->setCurrentIndex(2);
    EXPECT_EQ(child<QLabel>(win, "Label22")->text(), "Asteroids are located between Mars and Jupiter");
    auto* asteroids = child<QTabBar>(win, "TabStrip2");
    clickTab(asteroids, 1);
    clickTab(asteroids, 2);
    EXPECT_EQ(asteroids->tabText(2), "Ida");
    pages->setCurrentIndex(3);
    clickTab(child<QTabBar>(win, "TabStrip3"), 0);
    EXPECT_EQ(values(), before);
    EXPECT_TRUE(moons().startsWith("Naiad"));
    EXPECT_EQ(strip->tabText(strip->currentIndex()), "Neptune");
}

} // namespace
