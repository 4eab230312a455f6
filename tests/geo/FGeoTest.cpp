#include "geo/ui/FGeo.h"
#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"

#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

class GeoWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        MDIForm1::instance().findChild<QAction*>("Geodist")->trigger();
        win = Forms::existing<FGeo>();
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override
    {
        if (win) win->unload();
    }

    QLineEdit* box(const QString& name) { return child<QLineEdit>(win, name); }
    QComboBox* list(const char* name) { return child<QComboBox>(win, name); }
    QString text(const QString& name) { return box(name)->text(); }

    // Selects the box's text and types over it, as a user does.
    void type(const QString& name, const QString& keys)
    {
        QLineEdit* b = box(name);
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, keys);
    }
    // Types at the end of the box's text.
    void append(const QString& name, const QString& keys)
    {
        QLineEdit* b = box(name);
        b->end(false);
        QTest::keyClicks(b, keys);
    }
    void pick(const char* name, const QString& item) { list(name)->setCurrentIndex(list(name)->findText(item)); }
    QString km() { return text("Txt_dist_ISO"); }
    QString mi() { return text("Txt_dist_Eng"); }

    struct Coordinate {
        const char* point; // "sp" or "ep"
        const char* coord; // "lat" or "lon"
        const char* deg;
        const char* min;
        const char* sec;
    };
    void enter(const Coordinate& c)
    {
        type(QString("txt_%1_deg_%2").arg(c.coord, c.point), c.deg);
        type(QString("txt_%1_min_%2").arg(c.coord, c.point), c.min);
        type(QString("txt_%1_sec_%2").arg(c.coord, c.point), c.sec);
    }

    rt::MessageRecorder messages;
    FGeo* win = nullptr;
};

const char* const kInputBoxes[] = {"txt_lat_deg_sp", "txt_lat_min_sp", "txt_lat_sec_sp", "txt_lon_deg_sp",
                                   "txt_lon_min_sp", "txt_lon_sec_sp", "txt_lat_deg_ep", "txt_lat_min_ep",
                                   "txt_lat_sec_ep", "txt_lon_deg_ep", "txt_lon_min_ep", "txt_lon_sec_ep"};

TEST_F(GeoWindow, LoadsIntoItsStartState)
{
    EXPECT_EQ(win->windowTitle(), "Geo");
    EXPECT_FALSE(win->isMdiChild());
    for (const char* name : kInputBoxes) EXPECT_EQ(text(name), "0") << name;
    EXPECT_EQ(list("Cb_lat_NS_sp")->currentText(), "South");
    EXPECT_EQ(list("CB_Lat_NS_ep")->currentText(), "South");
    EXPECT_EQ(list("CB_Lon_EW_sp")->currentText(), "West");
    EXPECT_EQ(list("CB_Lon_EW_ep")->currentText(), "West");
    EXPECT_EQ(text("Txt_EQR_ISO"), "6378.16");
    EXPECT_EQ(text("Txt_PolR_ISO"), "6356.77");
    EXPECT_EQ(text("Txt_EQR_Eng"), "3963.39");
    EXPECT_EQ(text("Txt_PolR_Eng"), "3950.10");
    // The design text "0.00" was replaced by the hemisphere picks of the load.
    EXPECT_EQ(km(), "0.0000");
    EXPECT_EQ(mi(), "0.0000");
    auto* tabs = child<QTabWidget>(win, "SSTab2");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "ISO");
    EXPECT_EQ(tabs->tabText(1), "English");
    EXPECT_EQ(child<QGroupBox>(win, "Frame1")->title(), "Start Point:");
    EXPECT_EQ(child<QGroupBox>(win, "Frame6")->title(), "Output:");
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(GeoWindow, OneDegreeTypedGivesTheDistanceInKmAndMiles)
{
    type("txt_lat_deg_sp", "1");
    EXPECT_EQ(text("txt_lat_deg_sp"), "1");
    EXPECT_EQ(km(), "111.13");
    EXPECT_EQ(mi(), "69.06");
}

TEST_F(GeoWindow, RangeChecksPutBackTheLastAcceptedValue)
{
    struct Case {
        const char* box;
        const char* keys;
        const char* shown;
    } cases[] = {
        {"txt_lat_deg_sp", "90", "90"},       {"txt_lat_deg_sp", "91", "9"},
        {"txt_lon_deg_ep", "359", "359"},     {"txt_lon_deg_ep", "360", "36"},
        {"txt_lat_min_ep", "59", "59"},       {"txt_lat_min_ep", "60", "6"},
        {"txt_lon_sec_sp", "59.99", "59.99"}, {"txt_lon_sec_sp", "59.995", "59.99"},
        {"txt_lon_sec_sp", "300", "30.0000"}, {"txt_lat_sec_ep", "300", "30.0000"},
        {"txt_lat_deg_sp", "1.5x", "15"},     {"txt_lon_min_sp", "-4+", "4"},
    };
    for (const Case& c : cases) {
        type(c.box, c.keys);
        EXPECT_EQ(text(c.box), c.shown) << c.box << " typed " << c.keys;
    }
    // Two refusals in a row both restore the last value in range.
    type("txt_lon_min_ep", "6");
    append("txt_lon_min_ep", "7");
    EXPECT_EQ(text("txt_lon_min_ep"), "6");
    append("txt_lon_min_ep", "8");
    EXPECT_EQ(text("txt_lon_min_ep"), "6");
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(GeoWindow, RefusedValuesNeverReachTheModel)
{
    type("txt_lat_deg_ep", "9");
    const QString at9 = km();
    append("txt_lat_deg_ep", "1");
    EXPECT_EQ(text("txt_lat_deg_ep"), "9");
    EXPECT_EQ(km(), at9);
    EXPECT_EQ(km(), "1000.20"); // 9 degrees of 6367.5 km
}

TEST_F(GeoWindow, SecondsTextsThatReadAsZeroAreTidied)
{
    QLineEdit* sec = box("txt_lat_sec_sp");
    type("txt_lat_sec_sp", "0.");
    EXPECT_EQ(sec->text(), "0");
    // "0.5" is reached by typing 5 after the 0, then the point between them.
    append("txt_lat_sec_sp", "5");
    EXPECT_EQ(sec->text(), "05");
    QTest::keyClick(sec, Qt::Key_Left);
    QTest::keyClick(sec, '.');
    EXPECT_EQ(sec->text(), "0.5");
    // A minus in front makes it negative: the last accepted value comes back.
    QTest::keyClick(sec, Qt::Key_Home);
    QTest::keyClick(sec, '-');
    EXPECT_EQ(sec->text(), "0.5000");
    for (const char* zero : {"-", "+"}) {
        type("txt_lat_sec_sp", zero);
        EXPECT_EQ(sec->text(), "0") << zero;
    }
    // Backspace is refused; emptying the box shows 0 and places 0.
    type("txt_lat_min_sp", "12");
    QTest::keyClick(box("txt_lat_min_sp"), Qt::Key_Backspace);
    EXPECT_EQ(text("txt_lat_min_sp"), "12");
    EXPECT_NE(km(), "0.0000");
    box("txt_lat_min_sp")->selectAll();
    QTest::keyClick(box("txt_lat_min_sp"), Qt::Key_Delete);
    EXPECT_EQ(text("txt_lat_min_sp"), "0");
    EXPECT_EQ(km(), "0.0000");
}

TEST_F(GeoWindow, EndLatitudeSecondsMustBeOneWholeNumber)
{
    type("txt_lat_sec_ep", "1");
    const QString oneSecond = km();
    append("txt_lat_sec_ep", "+");
    append("txt_lat_sec_ep", "2");
    EXPECT_EQ(text("txt_lat_sec_ep"), "1+2");
    EXPECT_EQ(messages.messages, (QStringList{"Type mismatch", "Type mismatch"}));
    EXPECT_EQ(km(), oneSecond);
    // "1." on the way to 1.5 is a number.
    messages.messages.clear();
    type("txt_lat_sec_ep", "1.5");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(km(), "4.6306E-02"); // 1.5 arc seconds of 6367.5 km
    // The same text elsewhere reads as its leading number.
    type("txt_lat_sec_sp", "1+2");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(km(), "1.5435E-02"); // 0.5 arc seconds apart
}

TEST_F(GeoWindow, DistancesAlongAMeridianAndRoundTheGlobe)
{
    pick("Cb_lat_NS_sp", "North");
    EXPECT_EQ(km(), "0.0000");
    pick("CB_Lon_EW_sp", "East");
    pick("CB_Lat_NS_ep", "North");
    pick("CB_Lon_EW_ep", "East");
    type("txt_lat_deg_ep", "1");
    EXPECT_EQ(km(), "111.13");
    EXPECT_EQ(mi(), "69.06");
    type("txt_lat_deg_ep", "90");
    EXPECT_EQ(km(), "1.0002E+04");
    EXPECT_EQ(mi(), "6215.27");
    // Longitudes beyond 180 go on round the globe: 200 E is 160 W.
    type("txt_lat_deg_ep", "0");
    type("txt_lon_deg_ep", "200");
    EXPECT_EQ(km(), "1.7781E+04");
}

TEST_F(GeoWindow, CityPairTypedInMatchesGeographicLib)
{
    // London 51 30 26 N, 0 7 39 W to Paris 48 51 24 N, 2 21 8 E: 343.333980 km by
    //   echo "51:30:26N 0:07:39W 48:51:24N 2:21:08E" | GeodSolve -i -e 6367500 0 -p 9
    pick("Cb_lat_NS_sp", "North");
    pick("CB_Lat_NS_ep", "North");
    pick("CB_Lon_EW_ep", "East");
    enter({"sp", "lat", "51", "30", "26"});
    enter({"sp", "lon", "0", "7", "39"});
    enter({"ep", "lat", "48", "51", "24"});
    enter({"ep", "lon", "2", "21", "8"});
    EXPECT_EQ(km(), "343.33");
    EXPECT_EQ(mi(), "213.35"); // 343.333980 x 0.6214
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(GeoWindow, TheSamePlaceTwiceShowsZeroWithoutABox)
{
    // 0 S 1 W rounds the cosine of the angle with itself to 1 + 2^-52.
    type("txt_lon_deg_sp", "1");
    EXPECT_EQ(km(), "111.13");
    type("txt_lon_deg_ep", "1");
    EXPECT_EQ(km(), "0.0000");
    EXPECT_EQ(mi(), "0.0000");
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(GeoWindow, ResetClearsOnePointThroughNestedChanges)
{
    pick("Cb_lat_NS_sp", "North");
    pick("CB_Lon_EW_sp", "East");
    enter({"sp", "lat", "10", "20", "30.5"});
    enter({"sp", "lon", "40", "50", "1"});
    type("txt_lat_deg_ep", "1");
    pick("CB_Lon_EW_ep", "East");

    QSignalSpy degWrites(box("txt_lat_deg_sp"), &QLineEdit::textChanged);
    QSignalSpy secWrites(box("txt_lat_sec_sp"), &QLineEdit::textChanged);
    child<QPushButton>(win, "Bt_Resetsp")->click();
    // Each box is emptied, and its change handling writes "0" back at once,
    // nested: the spy, connected after the window's handler, hears the inner
    // write before the outer one.
    ASSERT_EQ(degWrites.size(), 2);
    EXPECT_EQ(degWrites[0][0].toString(), "0");
    EXPECT_EQ(degWrites[1][0].toString(), "");
    EXPECT_EQ(secWrites.size(), 2);

    for (const char* name : {"txt_lat_deg_sp", "txt_lat_min_sp", "txt_lat_sec_sp", "txt_lon_deg_sp", "txt_lon_min_sp",
                             "txt_lon_sec_sp"})
        EXPECT_EQ(text(name), "0") << name;
    EXPECT_EQ(list("Cb_lat_NS_sp")->currentText(), "South");
    EXPECT_EQ(list("CB_Lon_EW_sp")->currentText(), "West");
    // The end point is untouched: 1 N 0 E from the origin.
    EXPECT_EQ(text("txt_lat_deg_ep"), "1");
    EXPECT_EQ(list("CB_Lon_EW_ep")->currentText(), "East");
    EXPECT_EQ(km(), "111.13");

    // A second reset, with the lists already on South and West, changes nothing.
    child<QPushButton>(win, "Bt_Resetsp")->click();
    EXPECT_EQ(km(), "111.13");
    child<QPushButton>(win, "Bt_Resetep")->click();
    EXPECT_EQ(km(), "0.0000");
    EXPECT_EQ(list("CB_Lon_EW_ep")->currentText(), "West");
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(GeoWindow, TypingInAHemisphereFieldPicksNothing)
{
    type("txt_lat_deg_sp", "1");
    QComboBox* ns = list("Cb_lat_NS_sp");
    ns->lineEdit()->selectAll();
    QTest::keyClicks(ns->lineEdit(), "Nor");
    EXPECT_EQ(ns->currentIndex(), 1);
    EXPECT_EQ(km(), "111.13");
    type("Txt_dist_ISO", "5");
    EXPECT_EQ(mi(), "69.06");
}

// Leaving a hemisphere field: a text that names an item picks it, as a click
// on it does; any other text gives way to the item picked. The completion
// the field offers for "N" counts as the name it shows.
TEST_F(GeoWindow, LeavingAHemisphereFieldPicksTheItemItNamesOrShowsThePickAgain)
{
    const struct Case {
        const char* keys;
        Qt::Key leave;
        QString shown, km;
    } cases[] = {
        {"N", Qt::Key_Tab, "North", "2222.68"},     {"north", Qt::Key_Backtab, "North", "2222.68"},
        {"S", Qt::Key_Tab, "South", "0.0000"},       {"Nord", Qt::Key_Tab, "South", "0.0000"},
        {"xyz", Qt::Key_Backtab, "South", "0.0000"}, {"", Qt::Key_Tab, "South", "0.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        win->unload();
        win = &Forms::open<FGeo>();
        QApplication::setActiveWindow(win);
        type("txt_lat_deg_sp", "10");
        type("txt_lat_deg_ep", "10");
        ASSERT_EQ(km(), "0.0000");
        QComboBox* ns = list("Cb_lat_NS_sp");
        ns->setFocus(Qt::TabFocusReason);
        ns->lineEdit()->selectAll();
        QTest::keyClick(ns->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(ns->lineEdit(), c.keys);
        EXPECT_EQ(ns->currentIndex(), 1); // typing picks nothing
        QTest::keyClick(ns->lineEdit(), c.leave, c.leave == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_FALSE(ns->hasFocus());
        EXPECT_EQ(ns->currentText(), c.shown);
        EXPECT_EQ(km(), c.km);
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(GeoWindow, ResetPutsTheItemTextBackOverATypedHemisphereField)
{
    QComboBox* ns = list("CB_Lat_NS_ep");
    ns->lineEdit()->selectAll();
    QTest::keyClicks(ns->lineEdit(), "xyz");
    child<QPushButton>(win, "Bt_Resetep")->click();
    EXPECT_EQ(ns->currentIndex(), 1);
    EXPECT_EQ(ns->currentText(), "South");
}

TEST_F(GeoWindow, AnOverflowPastedIntoMinutesOrSecondsIsReportedOnce)
{
    for (const char* name : {"txt_lat_min_sp", "txt_lon_sec_ep"}) {
        type(name, "12");
        type("txt_lat_deg_ep", "1");
        const QString before = km();
        messages.messages.clear();
        // Pasting bypasses the key filter.
        ::enter(box(name), "1E400");
        EXPECT_EQ(messages.messages, QStringList{"Overflow"}) << name;
        EXPECT_EQ(km(), before) << name;
        // The accepted value is still 12: the next refusal puts it back.
        ::enter(box(name), "75");
        EXPECT_EQ(text(name).toDouble(), 12) << name;
    }
}

// Degrees and minutes are whole numbers: a fraction pasted or dropped past
// the digit filter gives way, without a message, to the whole number the point
// takes (a half to the even one), which the range check then sees.
TEST_F(GeoWindow, APastedFractionOfADegreeOrMinuteShowsTheWholeNumberUsed)
{
    struct Case {
        const char* box;
        const char* pasted;
        const char* shown;
        const char* km;
    } cases[] = {
        {"txt_lat_deg_sp", "45.7", "46", "5112.16"},   {"txt_lat_min_sp", "30.5", "30", "55.57"},
        {"txt_lat_deg_sp", "12.5", "12", "1333.61"},   {"txt_lat_deg_sp", "13.5", "14", "1555.87"},
        {"txt_lat_deg_sp", "90.4", "90", "1.0002E+04"}, {"txt_lat_deg_sp", "90.6", "0", "0.0000"},
        {"txt_lon_min_sp", "59.7", "0", "0.0000"},     {"txt_lon_min_sp", "-0.4", "0", "0.0000"},
    };
    for (const Case& c : cases) {
        child<QPushButton>(win, "Bt_Resetsp")->click();
        pasteFromMenu(box(c.box), c.pasted);
        EXPECT_EQ(text(c.box), c.shown) << c.box << " pasted " << c.pasted;
        EXPECT_EQ(km(), c.km) << c.box << " pasted " << c.pasted;
    }
    child<QPushButton>(win, "Bt_Resetsp")->click();
    dropOn(box("txt_lat_deg_ep"), "45.7");
    EXPECT_EQ(text("txt_lat_deg_ep"), "46");
    EXPECT_EQ(km(), "5112.16");
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(GeoWindow, EveryOpenAfterACloseStartsAfresh)
{
    type("txt_lat_deg_sp", "45");
    pick("CB_Lon_EW_ep", "East");
    child<QTabWidget>(win, "SSTab2")->setCurrentIndex(1);
    win->close();
    EXPECT_FALSE(win->isLoaded());
    MDIForm1::instance().findChild<QAction*>("Geodist")->trigger();
    EXPECT_EQ(Forms::existing<FGeo>(), win);
    EXPECT_EQ(text("txt_lat_deg_sp"), "0");
    EXPECT_EQ(list("CB_Lon_EW_ep")->currentText(), "West");
    EXPECT_EQ(child<QTabWidget>(win, "SSTab2")->currentIndex(), 0);
    EXPECT_EQ(km(), "0.0000");
    type("txt_lat_deg_ep", "1");
    EXPECT_EQ(km(), "111.13");
}

} // namespace
