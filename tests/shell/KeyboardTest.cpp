// Every window driven from the keyboard alone: what the first keys do right
// after a menu pick, and where Tab and Shift+Tab lead. The window need not be
// active: its focus child is the control that gets the keys once it is.
#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/Wforms.h"

#include "TestSupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

class Keyboard : public ::testing::Test {
protected:
    void TearDown() override { unloadToolWindows(); }
};

// The name a user would give a focus stop: its own, or that of the named
// control it belongs to (a calendar's day table, a tab control's bar).
QString stopName(QWidget* w)
{
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))) w = w->parentWidget();
    return w ? w->objectName() : QString();
}

// Presses `key` from the window's focus child until the focus comes back to
// where it started (or, from a window inside the frame, goes on to the
// frame's next window); fails when a key leaves the focus where it was (a trap)
// or when it circles without reaching the start.
QList<QWidget*> walk(ToolWindow* w, Qt::Key key)
{
    QWidget* start = w->focusWidget();
    QList<QWidget*> stops{start};
    for (int i = 0; i < 200; ++i) {
        QWidget* before = w->focusWidget();
        QTest::keyClick(before, key);
        QWidget* now = w->focusWidget();
        if (now == start) return stops;
        if (!now) {
            // Where the frame is the active window, one inside it hands the
            // focus on from its last stop to the frame's next window; the
            // walk brings it back.
            if (!w->subWindow()) ADD_FAILURE() << "the focus leaves the window from " << stopName(before).toStdString();
            start->setFocus(Qt::TabFocusReason);
            return stops;
        }
        if (now == before) {
            ADD_FAILURE() << "the focus sticks on " << stopName(before).toStdString();
            return stops;
        }
        if (stops.contains(now)) {
            ADD_FAILURE() << "circles without coming back, at " << stopName(now).toStdString();
            return stops;
        }
        EXPECT_TRUE(now->isVisibleTo(w) && now->isEnabled()) << stopName(now).toStdString();
        stops << now;
    }
    ADD_FAILURE() << "no way back to the start";
    return stops;
}

QStringList names(const QList<QWidget*>& stops)
{
    QStringList n;
    for (QWidget* s : stops)
        if (n.isEmpty() || n.last() != stopName(s)) n << stopName(s);
    return n;
}

struct FirstBox {
    const char* item; // menu item
    const char* box;
    const char* keys;
    const char* text; // the box's text after the keys
};

const FirstBox firstBoxes[] = {
    {"M1_1D_IsFl", "txtMach", "2", "2"},  {"M1_1d_NoSh", "txtMx", "2", "2"},
    {"M1Finance", "Txt_N", "240", "240"}, {"M1_calc", "y_val", "5", "5"},
    {"M1_conv", "Txt_A", "5", "5"},       {"Geodist", "txt_lon_deg_sp", "5", "5"},
    {"M1_Atm_Aero", "Txt_alt", "5", "5"},
};

// A key as the user strikes it: the release goes to where the press moved the focus.
void strike(Qt::Key key)
{
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
}

TEST_F(Keyboard, TheFirstKeysAfterOpeningReplaceTheFirstBoxsText)
{
    for (const FirstBox& c : firstBoxes) {
        ToolWindow* w = openFromMenu(c.item);
        ASSERT_NE(w, nullptr);
        auto* box = child<QLineEdit>(w, c.box);
        ASSERT_EQ(w->focusWidget(), box) << c.item << " starts in " << stopName(w->focusWidget()).toStdString();
        EXPECT_EQ(box->selectedText(), box->text()) << c.item;
        QTest::keyClicks(w->focusWidget(), c.keys);
        EXPECT_EQ(box->text(), c.text) << c.item;
        w->unload();
    }
}

TEST_F(Keyboard, TabbingBackIntoTheFirstBoxSelectsItsWholeText)
{
    for (const FirstBox& c : firstBoxes) {
        ToolWindow* w = openFromMenu(c.item);
        ASSERT_NE(w, nullptr);
        if (!QTest::qWaitForWindowActive(w)) GTEST_SKIP() << "no window activation on this platform";
        auto* box = child<QLineEdit>(w, c.box);
        ASSERT_EQ(QApplication::focusWidget(), box) << c.item;
        box->deselect();
        strike(Qt::Key_Tab);
        strike(Qt::Key_Backtab);
        ASSERT_EQ(QApplication::focusWidget(), box) << c.item;
        QTest::keyClicks(QApplication::focusWidget(), c.keys);
        EXPECT_EQ(box->text(), c.text) << c.item;
        w->unload();
    }
}

TEST_F(Keyboard, TheCalendarStartsInTheMiddleMonthWhoseSelectionDrivesTheOthers)
{
    ToolWindow* w = openFromMenu("Mcalender");
    auto* middle = child<QCalendarWidget>(w, "Calendar1");
    ASSERT_EQ(stopName(w->focusWidget()), "Calendar1");
    const QDate start = middle->selectedDate();
    QTest::keyClick(w->focusWidget(), Qt::Key_Right);
    EXPECT_EQ(middle->selectedDate(), start.addDays(1));
}

TEST_F(Keyboard, TheGeographicWindowFollowsTheScreenRowByRow)
{
    ToolWindow* w = openFromMenu("Geodist");
    QStringList expected;
    for (const char* p : {"sp", "ep"}) {
        for (const char* c : {"lon", "lat"})
            for (const char* f : {"deg", "min", "sec"}) expected << QString("txt_%1_%2_%3").arg(c, f, p);
        expected.insert(expected.size() - 3, QString(p) == "sp" ? "CB_Lon_EW_sp" : "CB_Lon_EW_ep");
        expected.insert(expected.size() - 3, QString(p) == "sp" ? "Bt_Resetsp" : "Bt_Resetep");
        expected << (QString(p) == "sp" ? "Cb_lat_NS_sp" : "CB_Lat_NS_ep");
    }
    expected << "SSTab2" << "Txt_EQR_ISO" << "Txt_PolR_ISO" << "Txt_dist_ISO";
    EXPECT_EQ(names(walk(w, Qt::Key_Tab)), expected);
}

TEST_F(Keyboard, TheConversionWindowComesRoundThroughTheCaptionsAndTheShownLists)
{
    ToolWindow* w = openFromMenu("M1_conv");
    EXPECT_EQ(names(walk(w, Qt::Key_Tab)), (QStringList{"Txt_A", "Txt_B", "Cmd_Dir_Conv", "Command1",
                                                         "Conversions_tab0", "lst_From_len", "lst_to_len"}));
}

TEST_F(Keyboard, TabAndShiftTabComeRoundInEveryWindowTheSameWayBackwards)
{
    for (const char* item : windowItems()) {
        SCOPED_TRACE(item);
        ToolWindow* w = openFromMenu(item);
        ASSERT_NE(w, nullptr);
        const QList<QWidget*> forward = walk(w, Qt::Key_Tab);
        QList<QWidget*> backward = walk(w, Qt::Key_Backtab);
        if (backward.size() > 1) std::reverse(backward.begin() + 1, backward.end());
        EXPECT_EQ(names(backward), names(forward));
        w->unload();
    }
}

// Enter on the focused button presses it, as Space does: a keyboard user who
// tabbed to "Clear (y)" or "N" expects Enter to run it.
TEST_F(Keyboard, EnterPressesTheFocusedButton)
{
    struct Press {
        const char* item;
        const char* button;
        const char* box; // a box the press rewrites
        const char* typed;
        const char* after;
    };
    const Press presses[] = {
        {"M1_calc", "Cmd_clear_y", "y_val", "5", "0"},
        {"M1Finance", "Cmd_N", "Txt_N", "1", "120"},
        {"Geodist", "Bt_Resetsp", "txt_lon_deg_sp", "5", "0"},
    };
    for (const Press& p : presses) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            ToolWindow* w = openFromMenu(p.item);
            ASSERT_NE(w, nullptr);
            auto* box = child<QLineEdit>(w, p.box);
            enter(box, p.typed);
            auto* b = child<QWidget>(w, p.button);
            b->setFocus(Qt::TabFocusReason);
            QTest::keyClick(b, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(box->text(), p.after) << p.item << " " << p.button;
            w->unload();
        }
    }
}

// Ctrl+Tab from a box turns the page and takes the focus to a box of the new
// page: like Tab, it arrives with the whole text selected, in both directions.
TEST_F(Keyboard, ABoxReachedByTurningThePageHasItsTextSelected)
{
    ToolWindow* w = openFromMenu("M1_Atm_Aero");
    // The page takes the focus along only while the window has it.
    if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }))
        GTEST_SKIP() << "no window activation on this platform";
    auto* tabs = child<QTabWidget>(w, "SSTab3");
    const struct {
        Qt::KeyboardModifiers mods;
        int page;
    } turns[] = {{Qt::ControlModifier, 1}, {Qt::ControlModifier | Qt::ShiftModifier, 0}};
    for (const auto& turn : turns) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab, turn.mods);
        ASSERT_EQ(tabs->currentIndex(), turn.page);
        auto* box = qobject_cast<QLineEdit*>(w->focusWidget());
        ASSERT_TRUE(box && tabs->currentWidget()->isAncestorOf(box)) << stopName(w->focusWidget()).toStdString();
        QTest::keyClicks(box, "5");
        EXPECT_EQ(box->text(), "5") << box->objectName().toStdString();
    }
}

// The information window's text takes no Tab: Tab leaves it for "Minimize" and comes back.
TEST_F(Keyboard, TabLeavesTheInformationText)
{
    // In its frame, shown as users see it: the sub-window around it must be
    // no stop of the Tab ring.
    MDIForm1::instance().show();
    Wforms::show_info_form();
    auto& info = Forms::instance<FPropaganda>();
    child<QWidget>(&info, "Text1")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(names(walk(&info, Qt::Key_Tab)), (QStringList{"Text1", "Command1"}));
}

// Tab enters a group of options at the chosen one, and the arrow keys choose another.
TEST_F(Keyboard, TabEntersOptionsAtTheChosenOne)
{
    ToolWindow* w = openFromMenu("M1Finance");
    // The options follow the focus only while the window has it.
    if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }))
        GTEST_SKIP() << "no window activation on this platform";
    child<QWidget>(w, "Txt_Pay_per_year")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    auto* end = child<QRadioButton>(w, "Opt_end_per");
    ASSERT_TRUE(end->isChecked());
    EXPECT_EQ(w->focusWidget(), end);
    QTest::keyClick(w->focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(child<QRadioButton>(w, "Opt_beg_per")->isChecked());
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(stopName(w->focusWidget()), "Cmd_N");
}

// On a decimal-comma keyboard the keypad's decimal key types ","; in a number
// box it types the point, under the same rule as a typed "." (once a box, and
// not at all in a box of whole numbers).
TEST_F(Keyboard, TheKeypadDecimalKeyTypesThePoint)
{
    const FirstBox cases[] = {
        {"M1_1D_IsFl", "txtMach", nullptr, "2.5"}, {"M1Finance", "Txt_N", nullptr, "25"},
        {"M1_calc", "y_val", nullptr, "2.5"},      {"M1_conv", "Txt_A", nullptr, "2.5"},
        {"Geodist", "txt_lon_deg_sp", nullptr, "25"}, {"M1_Atm_Aero", "Txt_alt", nullptr, "2.5"},
    };
    for (const FirstBox& c : cases) {
        ToolWindow* w = openFromMenu(c.item);
        ASSERT_NE(w, nullptr);
        auto* box = child<QLineEdit>(w, c.box);
        QTest::keyClick(box, Qt::Key_2);
        QTest::keyClick(box, Qt::Key_Comma, Qt::KeypadModifier);
        QTest::keyClick(box, Qt::Key_5);
        QTest::keyClick(box, Qt::Key_Comma, Qt::KeypadModifier);
        EXPECT_EQ(box->text(), c.text) << c.item;
        w->unload();
    }
}

// What a box shows: a line's text, an editable list's field, a text's lines.
QString shown(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    if (auto* list = qobject_cast<QComboBox*>(box)) return list->currentText();
    if (auto* text = qobject_cast<QPlainTextEdit*>(box)) return text->toPlainText();
    ADD_FAILURE() << "no box: " << stopName(box).toStdString();
    return {};
}

QPlainTextEdit* informationText()
{
    MDIForm1::instance().show();
    Wforms::show_info_form();
    auto* text = child<QPlainTextEdit>(&Forms::instance<FPropaganda>(), "Text1");
    text->setFocus(Qt::TabFocusReason);
    text->moveCursor(QTextCursor::Start);
    return text;
}

// Alt with a key is a command and types nothing, into every kind of box,
// with a key handler of its own or none.
TEST_F(Keyboard, AltWithAKeyTypesNothing)
{
    const struct {
        const char* item; // null: the information window
        const char* box;
    } boxes[] = {
        {nullptr, "Text1"},         {"M1_calc", "y_val"},          {"M1_conv", "Txt_A"},
        {"SunPlanets", "Text6"},    {"Geodist", "txt_lon_deg_sp"}, {"Geodist", "CB_Lon_EW_sp"},
        {"M1Finance", "Txt_N"},
    };
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    } keys[] = {{Qt::Key_G, Qt::AltModifier},
                {Qt::Key_G, Qt::AltModifier | Qt::ShiftModifier},
                {Qt::Key_5, Qt::AltModifier},
                {Qt::Key_Period, Qt::AltModifier},
                {Qt::Key_5, Qt::AltModifier | Qt::KeypadModifier}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.box);
        QWidget* box = b.item ? child<QWidget>(openFromMenu(b.item), b.box) : informationText();
        box->setFocus(Qt::TabFocusReason);
        const QString before = shown(box);
        for (const auto& k : keys) {
            QTest::keyClick(box, k.key, k.mods);
            EXPECT_EQ(shown(box), before) << QKeySequence(int(k.mods.toInt()) | k.key).toString().toStdString();
        }
    }
}

// AltGr arrives as Ctrl+Alt on some desktops and as a modifier of its own on
// others; a character that Alt composes is no key's own letter. All of them type.
TEST_F(Keyboard, CharactersMadeWithAltGrStillType)
{
    QPlainTextEdit* text = informationText();
    const QString before = text->toPlainText();
    QTest::keyClick(text, '@', Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(text, '@', Qt::GroupSwitchModifier);
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_G, QString(QChar(0xA9)), Qt::AltModifier);
    EXPECT_EQ(text->toPlainText(), "@@" + QString(QChar(0xA9)) + before);

    ToolWindow* w = openFromMenu("M1_conv");
    auto* box = child<QLineEdit>(w, "Txt_A");
    QTest::keyClick(box, Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(box->text(), "5");
}

// A menu's access key is a shortcut of the frame: it opens the menu from a
// box, and the box gets no letter.
TEST_F(Keyboard, AltWithAMenusAccessKeyStillOpensTheMenu)
{
    QPlainTextEdit* text = informationText();
    MDIForm1& frame = MDIForm1::instance();
    frame.activateWindow();
    if (!QTest::qWaitForWindowActive(&frame)) GTEST_SKIP() << "no window activation on this platform";
    text->setFocus(Qt::TabFocusReason);
    QMenu* menu = frame.menuBar()->addMenu("&Kestrel");
    const QString before = text->toPlainText();
    QTest::keyClick(text, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), menu);
    menu->close();
    frame.menuBar()->removeAction(menu->menuAction());
    delete menu;
    EXPECT_EQ(text->toPlainText(), before);
}

} // namespace
