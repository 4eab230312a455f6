#include "aero/ui/FAero.h"
#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"

#include "TestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

static void PrintTo(const FAero::SpeedEntry& e, std::ostream* os)
{
    *os << "{tab " << e.tab << ", speed " << e.speed << "}";
}

namespace {

using enum FAero::Tab;
using enum FAero::Speed;
using Entry = FAero::SpeedEntry;

const QStringList kEnSpeeds = {"Txt_mach", "Txt_Veas", "Txt_vcas", "Txt_vtrue", "Txt_qbar"};
const QStringList kIsoSpeeds = {"Txt_mach_iso", "Txt_veas_iso", "Txt_vcas_iso", "Txt_vtrue_iso", "Txt_qbar_iso"};
const QStringList kEnProps = {"Txt_dens", "Txt_press", "Txt_Temp", "Txt_Va"};
const QStringList kIsoProps = {"Txt_dens_iso", "Txt_press_iso", "Txt_temp_iso", "Txt_va_iso"};
const QStringList kAllZero = {"0", "0", "0", "0", "0"};

class FAeroWindow : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override { w->unload(); }

    void open()
    {
        MDIForm1::instance().findChild<QAction*>("M1_Atm_Aero")->trigger();
        w = Forms::existing<FAero>();
        ASSERT_NE(w, nullptr);
    }
    void reopen()
    {
        w->close();
        open();
    }
    QLineEdit* box(const QString& name) { return child<QLineEdit>(w, name); }
    QStringList texts(const QStringList& names)
    {
        QStringList out;
        for (const QString& n : names) out << box(n)->text();
        return out;
    }
    void retype(const QString& name, const QString& keys)
    {
        box(name)->selectAll();
        QTest::keyClicks(box(name), keys);
    }
    // Every box of the window: none may ever show inf or nan.
    void expectNoInfNan()
    {
        for (QLineEdit* b : w->findChildren<QLineEdit*>()) {
            EXPECT_FALSE(b->text().contains("inf", Qt::CaseInsensitive)) << b->objectName().toStdString();
            EXPECT_FALSE(b->text().contains("nan", Qt::CaseInsensitive)) << b->objectName().toStdString();
        }
    }

    FAero* w = nullptr;
};

TEST_F(FAeroWindow, LoadShowsSeaLevelOnBothTabsAndZeroSpeeds)
{
    EXPECT_EQ(w->windowTitle(), "Standard Athmosphere ICAO");
    auto* tabs = child<QTabWidget>(w, "SSTab3");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "English");
    EXPECT_EQ(tabs->tabText(1), "ISO");
    EXPECT_EQ(texts({"Txt_alt", "Txt_dISA", "Txt_alt_iso", "Txt_dISA_iso"}),
              QStringList({"0.0000", "0.0000", "0.0000", "0.0000"}));
    EXPECT_EQ(texts(kEnProps), QStringList({"2.3770E-03", "2116.20", "518.70", "1116.91"}));
    EXPECT_EQ(texts(kIsoProps), QStringList({"1.2250", "1.0132E+05", "288.17", "340.43"}));
    EXPECT_EQ(texts(kEnSpeeds), kAllZero);
    EXPECT_EQ(texts(kIsoSpeeds), kAllZero);
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{Iso, Mach}));
    for (const QString& n : kEnProps + kIsoProps) EXPECT_TRUE(box(n)->isReadOnly()) << n.toStdString();
}

TEST_F(FAeroWindow, EnglishAltitudeFillsTheEnglishTabOnly)
{
    retype("Txt_alt", "10000");
    EXPECT_EQ(w->altFt(), 10000);
    EXPECT_EQ(texts(kEnProps), QStringList({"1.7554E-03", "1455.33", "483.04", "1077.83"}));
    EXPECT_EQ(texts(kEnSpeeds), QStringList({"0", "0.0000", "0.0000", "0.0000", "0.0000"}));
    EXPECT_EQ(texts({"Txt_alt_iso"}), QStringList{"0.0000"});
    EXPECT_EQ(texts(kIsoProps), QStringList({"1.2250", "1.0132E+05", "288.17", "340.43"}));
    EXPECT_EQ(texts(kIsoSpeeds), kAllZero);
}

TEST_F(FAeroWindow, IsoAltitudeIsConvertedWithTheRoundedFootFactor)
{
    retype("Txt_alt_iso", "1000");
    EXPECT_EQ(w->altFt(), 3281);
    EXPECT_EQ(texts(kIsoProps), QStringList({"1.1116", "8.9873E+04", "281.67", "336.57"}));
    EXPECT_EQ(box("Txt_alt")->text(), "0.0000");
    EXPECT_EQ(texts(kEnProps), QStringList({"2.3770E-03", "2116.20", "518.70", "1116.91"}));
}

TEST_F(FAeroWindow, TypedTrueAirspeedRewritesTheOtherFour)
{
    retype("Txt_vtrue", "250");
    EXPECT_EQ(texts(kEnSpeeds), QStringList({"0.3779", "250.00", "250.00", "250", "211.90"}));
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{English, Vtrue}));
    EXPECT_EQ(texts(kIsoSpeeds), kAllZero);
}

TEST_F(FAeroWindow, IsoCalibratedAirspeedInKilometresPerHour)
{
    retype("Txt_vcas_iso", "100");
    EXPECT_EQ(texts(kIsoSpeeds), QStringList({"8.1629E-02", "100.00", "100", "100.00", "473.29"}));
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{Iso, Vcas}));
    EXPECT_EQ(texts(kEnSpeeds), kAllZero);
}

// Each speed typed at sea level is held, re-read from its box, while the
// altitude is typed keystroke by keystroke; after a dynamic pressure the
// Mach number is held as the digits its box shows.
TEST_F(FAeroWindow, EverySpeedIsHeldAcrossAnAltitudeChange)
{
    struct Case {
        bool iso;
        int speed;
        const char* typed;
        const char* alt;
        QStringList after;
        Entry lastEntry;
    };
    const Case cases[] = {
        {false, 0, "0.5", "10000", {"0.5", "274.27", "276.83", "319.16", "255.05"}, {English, Mach}},
        {false, 1, "250", "10000", {"0.4557", "250", "251.95", "290.92", "211.90"}, {English, Veas}},
        {false, 2, "250", "10000", {"0.4523", "248.10", "250", "288.70", "208.69"}, {English, Vcas}},
        {false, 3, "250", "10000", {"0.3916", "214.84", "216.09", "250", "156.49"}, {English, Vtrue}},
        {false, 4, "100", "10000", {"0.2596", "142.40", "142.77", "165.71", "68.75"}, {English, Mach}},
        {true, 0, "0.5", "3000", {"0.5", "509.51", "514.18", "591.44", "1.2286E+04"}, {Iso, Mach}},
        {true, 1, "400", "3000", {"0.3925", "400", "402.30", "464.32", "7572.65"}, {Iso, Veas}},
        {true, 2, "400", "3000", {"0.3903", "397.74", "400", "461.69", "7487.13"}, {Iso, Vcas}},
        {true, 3, "400", "3000", {"0.3382", "344.59", "346.07", "400", "5619.93"}, {Iso, Vtrue}},
        {true, 4, "5000", "3000", {"0.2653", "270.34", "271.07", "313.82", "3459.08"}, {Iso, Mach}},
    };
    for (const Case& c : cases) {
        reopen();
        const QStringList& speeds = c.iso ? kIsoSpeeds : kEnSpeeds;
        const QStringList& other = c.iso ? kEnSpeeds : kIsoSpeeds;
        const std::string what = speeds[c.speed].toStdString();
        retype(speeds[c.speed], c.typed);
        const QString heldMach = box(speeds[0])->text();
        retype(c.iso ? "Txt_alt_iso" : "Txt_alt", c.alt);
        EXPECT_EQ(texts(speeds), c.after) << what;
        if (c.speed == 4) {
            EXPECT_EQ(box(speeds[0])->text(), heldMach) << what;
        }
        EXPECT_EQ(w->lastSpeedEntry(), c.lastEntry) << what;
        EXPECT_EQ(texts(other), kAllZero) << what << ": the other tab is not touched";
    }
}

TEST_F(FAeroWindow, AnAltitudeChangeOnOneTabRecomputesItsOwnTabFromItsMachBox)
{
    retype("Txt_mach", "0.5");
    retype("Txt_vcas_iso", "100");
    ASSERT_EQ(w->lastSpeedEntry(), (Entry{Iso, Vcas}));
    auto* tabs = child<QTabWidget>(w, "SSTab3");
    tabs->setCurrentIndex(1);
    const QStringList isoBefore = texts(kIsoSpeeds + kIsoProps);
    tabs->setCurrentIndex(0);
    retype("Txt_alt", "10000");
    EXPECT_EQ(texts(kEnSpeeds), QStringList({"0.5", "274.27", "276.83", "319.16", "255.05"}));
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{English, Mach}));
    tabs->setCurrentIndex(1);
    EXPECT_EQ(texts(kIsoSpeeds + kIsoProps), isoBefore);
}

// Both tabs share the models; each tab computes its speeds at the altitude
// it shows, not at the one last typed on the other tab.
TEST_F(FAeroWindow, EachTabComputesAtTheAltitudeItShows)
{
    retype("Txt_alt_iso", "5000");
    ASSERT_EQ(box("Txt_alt")->text(), "0.0000");
    retype("Txt_Veas", "300");
    EXPECT_EQ(texts(kEnSpeeds), QStringList({"0.4535", "300", "300.00", "300.00", "305.14"}));
    EXPECT_EQ(w->altFt(), 16405) << "still the altitude last entered";

    // The other way round: the ISO tab still shows 5000 m.
    retype("Txt_alt", "30000");
    retype("Txt_mach_iso", "0.8");
    EXPECT_EQ(box("Txt_vtrue_iso")->text(), "923.12");
    EXPECT_EQ(w->altFt(), 30000);
    // Each tab's altitude still holds its own speed.
    retype("Txt_alt_iso", "0");
    EXPECT_EQ(box("Txt_vtrue_iso")->text(), "980.04");
    EXPECT_EQ(box("Txt_Veas")->text(), "300");
}

TEST_F(FAeroWindow, KeyFiltersOfAltitudeSpeedAndDeviationBoxes)
{
    struct Case {
        const char* box;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {"Txt_alt", "-1.2.-+3+e", "-1.2+3"},
        {"Txt_alt_iso", "+5..0-", "+5.0-"},
        {"Txt_mach", "0.5.-+x", "0.5"},
        {"Txt_qbar_iso", "12.3.4", "12.34"},
        {"Txt_dISA", "--1..2++a", "--1..2++"},
    };
    for (const Case& c : cases) {
        retype(c.box, c.keys);
        EXPECT_EQ(box(c.box)->text(), c.text) << c.box;
        QTest::keyClick(box(c.box), Qt::Key_Backspace);
        EXPECT_EQ(box(c.box)->text(), c.text) << c.box << ": Backspace is refused";
    }
    // Delete still edits.
    box("Txt_mach")->setCursorPosition(0);
    QTest::keyClick(box("Txt_mach"), Qt::Key_Delete);
    EXPECT_EQ(box("Txt_mach")->text(), ".5");
}

// Only an edit makes a speed box the held quantity. A real Tab's release
// lands in the next box, which, like an arrow or a refused key there,
// changes nothing; a key that edits the result box makes its digits held.
TEST_F(FAeroWindow, MovingThroughTheSpeedBoxesChangesNothing)
{
    retype("Txt_alt", "10000");
    box("Txt_mach")->setFocus();
    retype("Txt_mach", "0.85");
    const QStringList at085 = texts(kEnSpeeds);
    QTest::keyPress(box("Txt_mach"), Qt::Key_Tab);
    ASSERT_EQ(w->focusWidget(), box("Txt_Veas"));
    QTest::keyRelease(box("Txt_Veas"), Qt::Key_Tab);
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Home, Qt::Key_Backspace, Qt::Key_X, Qt::Key_Minus})
        QTest::keyClick(box("Txt_Veas"), k);
    EXPECT_EQ(texts(kEnSpeeds), at085);
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{English, Mach}));
    retype("Txt_alt", "30000");
    EXPECT_EQ(box("Txt_mach")->text(), "0.85");

    // Delete at the caret that Home left edits the text: "306.40" less its first digit is held.
    ASSERT_EQ(box("Txt_Veas")->text(), "306.40");
    QTest::keyClick(box("Txt_Veas"), Qt::Key_Delete);
    EXPECT_EQ(box("Txt_Veas")->text(), "06.40");
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{English, Veas}));
    retype("Txt_alt", "0");
    EXPECT_EQ(box("Txt_Veas")->text(), "06.40");
    EXPECT_EQ(box("Txt_vcas")->text(), "6.4000");
}

// A paste or a drop computes as typed keys do and makes its box the held one.
TEST_F(FAeroWindow, APastedOrDroppedSpeedComputesAndIsHeld)
{
    retype("Txt_mach", "0.5");
    pasteFromMenu(box("Txt_vtrue"), "250");
    EXPECT_EQ(texts(kEnSpeeds), QStringList({"0.3779", "250.00", "250.00", "250", "211.90"}));
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{English, Vtrue}));
    retype("Txt_alt", "10000");
    EXPECT_EQ(box("Txt_vtrue")->text(), "250");

    enter(box("Txt_vcas_iso"), QString());
    dropOn(box("Txt_vcas_iso"), "100");
    EXPECT_EQ(texts(kIsoSpeeds), QStringList({"8.1629E-02", "100.00", "100", "100.00", "473.29"}));
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{Iso, Vcas}));
}

TEST_F(FAeroWindow, DeltaIsaChangesNoResult)
{
    retype("Txt_alt", "5000");
    retype("Txt_Veas", "200");
    const QStringList before = texts(kEnProps + kEnSpeeds + kIsoProps + kIsoSpeeds);
    retype("Txt_dISA", "-30");
    retype("Txt_alt", "5000");
    EXPECT_EQ(texts(kEnProps + kEnSpeeds + kIsoProps + kIsoSpeeds), before);
}

TEST_F(FAeroWindow, PastedTextIsReadByItsLeadingNumber)
{
    enter(box("Txt_alt"), "12abc");
    EXPECT_EQ(w->altFt(), 12);
}

TEST_F(FAeroWindow, NegativeDynamicPressureIsReportedNotShown)
{
    rt::MessageRecorder rec;
    retype("Txt_mach", "0.5");
    pasteFromMenu(box("Txt_qbar"), "-5"); // no key filter
    EXPECT_EQ(rec.messages.join("|"), "Invalid procedure call or argument");
    EXPECT_EQ(box("Txt_mach")->text(), "0.5000");
    EXPECT_EQ(box("Txt_qbar")->text(), "-5");
    expectNoInfNan();
}

TEST_F(FAeroWindow, AltitudeBeyondTheAtmosphereIsReportedNotShown)
{
    rt::MessageRecorder rec;
    retype("Txt_alt", "20000000");
    EXPECT_TRUE(rec.messages.contains("Overflow"));
    EXPECT_EQ(texts(kEnProps).mid(0, 2), QStringList({"0.0000", "0.0000"}));
    expectNoInfNan();

    rec.messages.clear();
    enter(box("Txt_alt_iso"), "1E400"); // pasted
    EXPECT_EQ(rec.messages.join("|"), "Overflow");
    expectNoInfNan();
}

TEST_F(FAeroWindow, ReopeningShowsZeroInEverySpeedBox)
{
    retype("Txt_alt", "5000");
    retype("Txt_Veas", "180");
    retype("Txt_vtrue_iso", "300");
    reopen();
    EXPECT_EQ(texts(kEnSpeeds), kAllZero);
    EXPECT_EQ(texts(kIsoSpeeds), kAllZero);
    EXPECT_EQ(box("Txt_alt")->text(), "0.0000");
    EXPECT_EQ(w->lastSpeedEntry(), (Entry{Iso, Mach}));
}

} // namespace
