#include "aero/ui/F1DShockFlow.h"
#include "aero/ui/FIsentCompFlow.h"
#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"

#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

template <class W>
W& openFromMenu(const char* item)
{
    MDIForm1::instance().findChild<QAction*>(item)->trigger();
    W* w = Forms::existing<W>();
    EXPECT_NE(w, nullptr);
    EXPECT_TRUE(w->isLoaded());
    return *w;
}

QStringList texts(QWidget* w, const QStringList& names)
{
    QStringList out;
    for (const QString& n : names) out << child<QLineEdit>(w, n)->text();
    return out;
}

// Replaces the whole text by typing, as a user who selected it would.
void retype(QLineEdit* box, const QString& keys)
{
    box->selectAll();
    QTest::keyClicks(box, keys);
}

// Replaces `count` characters from `from` by typing.
void overtype(QLineEdit* box, int from, int count, const QString& keys)
{
    box->setSelection(from, count);
    QTest::keyClicks(box, keys);
}

const QStringList kIsenOut = {"txtMStar", "TxtPt2Ps", "TxtTt2Ts", "TxtRt2Rs", "TxtA2AStar", "Txtq2Pt"};
const QStringList kShockOut = {"txtMy", "TxtPsy2Psx", "TxtPty2Ptx", "TxtTsy2Tsx", "TxtTsy2Ttx", "Txtdensy2densx"};

class FlowWindows : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (auto* w = Forms::existing<FIsentCompFlow>()) w->unload();
        if (auto* w = Forms::existing<F1DShockFlow>()) w->unload();
    }
};

TEST_F(FlowWindows, IsentropicOpensWithTheRatiosAtRest)
{
    auto& w = openFromMenu<FIsentCompFlow>("M1_1D_IsFl");
    EXPECT_EQ(w.windowTitle(), "1D Isentropic Compressible FLow");
    EXPECT_EQ(texts(&w, {"txtMach", "TxtGama"}), QStringList({"0", "1.4"}));
    EXPECT_EQ(texts(&w, kIsenOut), QStringList({"0.0000", "1.0000", "1.0000", "1.0000", "0.0000", "0.0000"}));
    EXPECT_EQ(child<QLabel>(&w, "lbl_rho")->text(), QString::fromUtf8("ρt /ρs"));
    EXPECT_EQ(child<QLabel>(&w, "Mach_star")->text(), "M*:");
}

TEST_F(FlowWindows, IsentropicRatiosForTypedMachAndGamma)
{
    struct Case {
        const char* mach;
        QStringList g14, g13;
    };
    const Case cases[] = {
        {"0.5", {"0.5345", "1.1862", "1.0500", "1.1297", "1.3398", "0.1475"},
         {"0.5264", "1.1730", "1.0375", "1.1306", "1.3479", "0.1385"}},
        {"1", {"1.0000", "1.8929", "1.2000", "1.5774", "1.0000", "0.3698"},
         {"1.0000", "1.8324", "1.1500", "1.5934", "1.0000", "0.3547"}},
        {"2", {"1.6330", "7.8244", "1.8000", "4.3469", "1.6875", "0.3579"},
         {"1.6956", "7.6651", "1.6000", "4.7907", "1.7732", "0.3392"}},
        {"3", {"1.9640", "36.73", "2.8000", "13.12", "4.2346", "0.1715"},
         {"2.0986", "40.55", "2.3500", "17.25", "5.1598", "0.1443"}},
    };
    auto& w = openFromMenu<FIsentCompFlow>("M1_1D_IsFl");
    auto* mach = child<QLineEdit>(&w, "txtMach");
    auto* gama = child<QLineEdit>(&w, "TxtGama");
    for (const Case& c : cases) {
        retype(mach, c.mach);
        EXPECT_EQ(texts(&w, kIsenOut), c.g14) << c.mach;
        overtype(gama, 2, 1, "3");
        ASSERT_EQ(gama->text(), "1.3");
        EXPECT_EQ(texts(&w, kIsenOut), c.g13) << c.mach;
        overtype(gama, 2, 1, "4");
    }
}

TEST_F(FlowWindows, GammaBelowTheMinimumPutsTheLastAcceptedValueBack)
{
    auto& w = openFromMenu<FIsentCompFlow>("M1_1D_IsFl");
    auto* mach = child<QLineEdit>(&w, "txtMach");
    auto* gama = child<QLineEdit>(&w, "TxtGama");
    retype(mach, "2");
    const QStringList at14 = texts(&w, kIsenOut);
    overtype(gama, 2, 1, "0"); // 1.0 < 1.05, held while typed
    EXPECT_EQ(gama->text(), "1.0");
    EXPECT_EQ(texts(&w, kIsenOut), at14);
    QTest::keyClick(gama, Qt::Key_Return);
    EXPECT_EQ(gama->text(), "1.4") << "shown in full, not as the rounded 1";
    EXPECT_EQ(texts(&w, kIsenOut), at14);

    // Exactly the minimum is accepted: 1.5, then a 0 after the point gives 1.05.
    overtype(gama, 2, 1, "5");
    gama->setCursorPosition(2);
    QTest::keyClicks(gama, "0");
    EXPECT_EQ(gama->text(), "1.05");
    EXPECT_EQ(child<QLineEdit>(&w, "TxtTt2Ts")->text(), "1.1000");
}

// A refused Mach number puts the last accepted one back as it was, not
// rounded to a whole number that would then be taken as the new value.
TEST_F(FlowWindows, RefusedMachPutsTheLastFractionalValueBackInFull)
{
    auto& isen = openFromMenu<FIsentCompFlow>("M1_1D_IsFl");
    auto* mach = child<QLineEdit>(&isen, "txtMach");
    retype(mach, "0.35");
    const QStringList at035 = texts(&isen, kIsenOut);
    mach->setCursorPosition(0);
    QTest::keyClicks(mach, "-");
    QTest::keyClick(mach, Qt::Key_Return);
    EXPECT_EQ(mach->text(), "0.35");
    EXPECT_EQ(texts(&isen, kIsenOut), at035);

    auto& shock = openFromMenu<F1DShockFlow>("M1_1d_NoSh");
    auto* mx = child<QLineEdit>(&shock, "txtMx");
    retype(mx, "1.45");
    const QStringList at145 = texts(&shock, kShockOut);
    mx->setSelection(0, 1);
    QTest::keyClicks(mx, "0"); // 0.45 < 1
    QTest::keyClick(mx, Qt::Key_Return);
    EXPECT_EQ(mx->text(), "1.45");
    EXPECT_EQ(texts(&shock, kShockOut), at145);
}

TEST_F(FlowWindows, InputKeysAreFilteredAndAnEmptyMachReadsZero)
{
    auto& w = openFromMenu<FIsentCompFlow>("M1_1D_IsFl");
    auto* mach = child<QLineEdit>(&w, "txtMach");
    retype(mach, "1.5");
    QTest::keyClicks(mach, ".e");
    QTest::keyClick(mach, Qt::Key_Backspace);
    EXPECT_EQ(mach->text(), "1.5");
    EXPECT_EQ(child<QLineEdit>(&w, "TxtTt2Ts")->text(), "1.4500");

    mach->selectAll();
    QTest::keyClick(mach, Qt::Key_Delete);
    EXPECT_EQ(mach->text(), "0");
    EXPECT_EQ(texts(&w, kIsenOut), QStringList({"0.0000", "1.0000", "1.0000", "1.0000", "0.0000", "0.0000"}));
}

TEST_F(FlowWindows, OverflowIsReportedAndNoBoxShowsInfinity)
{
    rt::MessageRecorder rec;
    auto& w = openFromMenu<FIsentCompFlow>("M1_1D_IsFl");
    auto* gama = child<QLineEdit>(&w, "TxtGama");
    overtype(gama, 2, 1, "5");
    gama->setCursorPosition(2);
    QTest::keyClicks(gama, "0"); // 1.05
    retype(child<QLineEdit>(&w, "txtMach"), "1000000000");
    EXPECT_FALSE(rec.messages.isEmpty());
    EXPECT_EQ(rec.messages.first(), "Overflow");
    for (const QString& t : texts(&w, kIsenOut)) {
        EXPECT_FALSE(t.contains("inf", Qt::CaseInsensitive)) << t.toStdString();
        EXPECT_FALSE(t.contains("nan", Qt::CaseInsensitive)) << t.toStdString();
        EXPECT_FALSE(t.isEmpty());
    }
}

TEST_F(FlowWindows, ShockOpensAtMachOne)
{
    auto& w = openFromMenu<F1DShockFlow>("M1_1d_NoSh");
    EXPECT_EQ(w.windowTitle(), "1D Normal Shock Flow");
    EXPECT_EQ(texts(&w, {"txtMx", "TxtGama"}), QStringList({"1.00", "1.4"}));
    EXPECT_EQ(texts(&w, kShockOut), QStringList({"1.0000", "1.0000", "1.0000", "1.0000", "0.8333", "1.0000"}));
    EXPECT_EQ(child<QLabel>(&w, "Mach_star")->text(), "My:");
}

TEST_F(FlowWindows, ShockRelationsForTypedMachAndGamma)
{
    struct Case {
        const char* mach;
        QStringList g14, g13;
    };
    const Case cases[] = {
        {"1.5", {"0.7011", "2.4583", "0.9298", "1.3202", "0.9105", "1.8621"},
         {"0.6942", "2.4130", "0.9261", "1.2473", "0.9326", "1.9346"}},
        {"2", {"0.5774", "4.5000", "0.7209", "1.6875", "0.9375", "2.6667"},
         {"0.5629", "4.3913", "0.7006", "1.5274", "0.9546", "2.8750"}},
        {"3", {"0.4752", "10.33", "0.3283", "2.6790", "0.9568", "3.8571"},
         {"0.4511", "10.04", "0.2822", "2.2804", "0.9704", "4.4043"}},
    };
    auto& w = openFromMenu<F1DShockFlow>("M1_1d_NoSh");
    auto* mx = child<QLineEdit>(&w, "txtMx");
    auto* gama = child<QLineEdit>(&w, "TxtGama");
    for (const Case& c : cases) {
        retype(mx, c.mach);
        EXPECT_EQ(mx->text(), c.mach);
        EXPECT_EQ(texts(&w, kShockOut), c.g14) << c.mach;
        overtype(gama, 2, 1, "3");
        EXPECT_EQ(texts(&w, kShockOut), c.g13) << c.mach;
        overtype(gama, 2, 1, "4");
    }
}

TEST_F(FlowWindows, ShockRefusesMachBelowOneAndGammaBelowItsMinimum)
{
    auto& w = openFromMenu<F1DShockFlow>("M1_1d_NoSh");
    auto* mx = child<QLineEdit>(&w, "txtMx");
    auto* gama = child<QLineEdit>(&w, "TxtGama");
    retype(mx, "2");
    retype(mx, "0"); // below 1: the last accepted 2 comes back
    QTest::keyClick(mx, Qt::Key_Return);
    EXPECT_EQ(mx->text(), "2");
    EXPECT_EQ(child<QLineEdit>(&w, "txtMy")->text(), "0.5774");

    overtype(gama, 2, 1, "0"); // 1.0 < 1.01
    QTest::keyClick(gama, Qt::Key_Return);
    EXPECT_EQ(gama->text(), "1.4");
    // 1.01 is the minimum and is accepted: 1.1, then a 0 after the point.
    overtype(gama, 2, 1, "1");
    gama->setCursorPosition(2);
    QTest::keyClicks(gama, "0");
    EXPECT_EQ(gama->text(), "1.01");
    EXPECT_NE(child<QLineEdit>(&w, "txtMy")->text(), "0.5774");
}

TEST_F(FlowWindows, ReopeningResetsTheInputs)
{
    auto& w = openFromMenu<F1DShockFlow>("M1_1d_NoSh");
    retype(child<QLineEdit>(&w, "txtMx"), "3");
    w.close();
    EXPECT_FALSE(w.isLoaded());
    auto& again = openFromMenu<F1DShockFlow>("M1_1d_NoSh");
    EXPECT_EQ(&again, &w);
    EXPECT_EQ(child<QLineEdit>(&w, "txtMx")->text(), "1.00");
    EXPECT_EQ(child<QLineEdit>(&w, "TxtTsy2Ttx")->text(), "0.8333");
}

} // namespace
