// The conversion window driven as a user drives it: the menu, the lists, the
// tabs and typed keys; boxes compared by their exact texts.
#include "conversion/ConvSkeleton.h"
#include "conversion/ui/FConversion.h"
#include "conversion/ui/Fill_lists.h"
#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"

#include "TestSupport.h"
#include "shell/ui/NumberBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace {

enum Tab { Length = 0, Area, Volume, Mass, Force, Press, Work, Power, Time, Freq, Temp, Density, Angle, Torque,
           Velocity, Accel, Nbrs, Prefix };

const char* const fromLists[18] = {"lst_From_len", "lst_from_area", "lst_from_vol", "lst_from_mass",
                                   "lst_from_force", "lst_from_press", "lst_from_work", "lst_from_power",
                                   "lst_from_time", "lst_from_freq", "lst_from_temp", "lst_from_dens",
                                   "lst_from_angle", "lst_from_torque", "lst_from_Vel", "lst_from_accel",
                                   "lst_from_numb", "lst_from_Prefix"};
const char* const toLists[18] = {"lst_to_len", "lst_to_area", "lst_to_vol", "lst_to_mass", "lst_to_force",
                                 "lst_to_press", "lst_to_work", "lst_to_power", "lst_to_time", "lst_to_freq",
                                 "lst_to_temp", "lst_to_dens", "lst_to_angle", "lst_to_torque", "lst_to_Vel",
                                 "lst_to_accel", "lst_to_numb", "lst_to_prefix"};
class Conversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        MDIForm1::instance().findChild<QAction*>("M1_conv")->trigger();
        w = Forms::existing<FConversion>();
        ASSERT_NE(w, nullptr);
        tabs = child<QTabWidget>(w, "Conversions");
        A = child<QLineEdit>(w, "Txt_A");
        B = child<QLineEdit>(w, "Txt_B");
    }
    void TearDown() override { w->unload(); }

    QListWidget* from(int tab) { return child<QListWidget>(w, fromLists[tab]); }
    QListWidget* to(int tab) { return child<QListWidget>(w, toLists[tab]); }
    void pick(int tab, int fromRow, int toRow)
    {
        from(tab)->setCurrentRow(fromRow);
        to(tab)->setCurrentRow(toRow);
    }
    // Keys typed into the input box, one by one, after emptying it.
    QString typed(const QString& keys)
    {
        enter(A, QString());
        QTest::keyClicks(A, keys);
        return A->text();
    }

    FConversion* w = nullptr;
    QTabWidget* tabs = nullptr;
    QLineEdit* A = nullptr;
    QLineEdit* B = nullptr;
};

TEST_F(Conversion, OpensOnLengthWithTheInputCopied)
{
    EXPECT_EQ(w->windowTitle(), "Conversion");
    EXPECT_EQ(tabs->currentIndex(), Length);
    EXPECT_EQ(w->tabIndex(), Length);
    EXPECT_EQ(A->text(), "1.0");
    EXPECT_EQ(B->text(), "1");
    EXPECT_EQ(from(Length)->currentItem()->text(), "mm");
    EXPECT_EQ(to(Length)->currentItem()->text(), "mm");
    EXPECT_TRUE(B->isReadOnly());
    const char* captions[18] = {"Length", "Area",   "Volume", "Mass",    "Force",  "Press.",
                                "Work",   "Power",  "Time",   "Freq.",   "Temp.",  "Density",
                                "Angle",  "Torque", "Velocity", "Accel.", "Nbrs",   "Prefix"};
    ASSERT_EQ(tabs->count(), 18);
    for (int t = 0; t < 18; ++t) EXPECT_EQ(tabs->tabText(t), captions[t]);
}

TEST_F(Conversion, TheInputBoxTakesTheFocusOnOpeningSoTypingConvertsAtOnce)
{
    // First in the keyboard order: keys typed right after the menu pick reach it.
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    ASSERT_EQ(QApplication::focusWidget(), A);
    pick(Length, 3, 2); // km to m
    A->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "7");
    EXPECT_EQ(A->text(), "7");
    EXPECT_EQ(B->text(), "7000.0000");
    // And again after a close and a reopen, with the controls built afresh.
    w->close();
    MDIForm1::instance().findChild<QAction*>("M1_conv")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(w, "Txt_A"));
}

TEST_F(Conversion, EveryListPairIsFilledAlikeWithItsFirstEntrySelected)
{
    for (int t = 0; t < 18; ++t) {
        const ConvSkeleton::Units names = FConversion::converterOf(t).units;
        const int count = static_cast<int>(names.size());
        ASSERT_EQ(from(t)->count(), count) << fromLists[t];
        ASSERT_EQ(to(t)->count(), count) << toLists[t];
        EXPECT_EQ(from(t)->currentRow(), 0) << fromLists[t];
        EXPECT_EQ(to(t)->currentRow(), 0) << toLists[t];
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(from(t)->item(i)->text(), QString::fromUtf8(names[i])) << fromLists[t];
            EXPECT_EQ(to(t)->item(i)->text(), QString::fromUtf8(names[i])) << toLists[t];
        }
    }
    // Each tab shows its own quantity's units.
    const char* const first[18] = {
        "mm",    "mm^2",   "mm^3", "gr",  "gr-f", "atm",    "Joule or (N-m)",  "Watt or (N*m/sec)", "Day", "Hz",
        "deg_C", "Kg/m^3", "deg",  "N-m", "mm/s", "cm/s^2", "dec-base10=>0,9", "exa 10^18"};
    for (int t = 0; t < 18; ++t) EXPECT_EQ(from(t)->item(0)->text(), first[t]) << fromLists[t];
    // Entries are the program's own texts, quirks included.
    EXPECT_EQ(from(Press)->item(1)->text(), "mm-Hg or (torr)");
    EXPECT_EQ(from(Work)->item(2)->text(), "Watt_hour");
    EXPECT_EQ(from(Power)->item(0)->text(), "Watt or (N*m/sec)");
    EXPECT_EQ(from(Volume)->item(11)->text(), "Gal(US)");
    EXPECT_EQ(from(Nbrs)->item(9)->text(), "base 9=>0,8");
    EXPECT_EQ(from(Nbrs)->item(1)->text(), "bin-base 2=>0,1");
    EXPECT_EQ(from(Prefix)->item(16)->text(), "atto 1/10^16");
    EXPECT_EQ(from(Accel)->item(2)->text(), "fps^2");
}

// A fill discards what a pair held before: each list ends with exactly its
// converter's entries, the first one selected.
TEST(FillLists, APairThatHeldEntriesEndsWithExactlyItsUnits)
{
    QListWidget from, to;
    for (QListWidget* list : {&from, &to}) {
        list->addItems({"stale", "entries", "left", "over"});
        list->setCurrentRow(3);
    }
    Fill_lists::fill_numb(&from, &to);
    Fill_lists::fill_angle(&from, &to);
    for (QListWidget* list : {&from, &to}) {
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), "deg");
        EXPECT_EQ(list->item(1)->text(), "rad");
        EXPECT_EQ(list->currentRow(), 0);
    }
}

TEST_F(Conversion, PickingUnitsConvertsAtOnce)
{
    from(Length)->setCurrentRow(5); // ft
    EXPECT_EQ(B->text(), "304.80") << "ft to mm: 10 * (30.48 * 1)";
    to(Length)->setCurrentRow(2); // m
    EXPECT_EQ(B->text(), "0.3048");
    // A real click on the to-list
    w->showForm();
    QListWidget* list = to(Length);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(list->currentRow(), 4);
    EXPECT_EQ(B->text(), "12.0000");
}

// The marked entry is the unit converted, whatever the keys and clicks:
// exactly one entry stays selected and it is the list's current one.
TEST_F(Conversion, AUnitListAlwaysKeepsOneSelectedEntry)
{
    w->showForm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    pick(Length, 3, 2); // km to m
    enter(A, "1");
    QListWidget* list = to(Length);
    auto clickRow = [list](int row, Qt::KeyboardModifiers mods) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, list->visualItemRect(list->item(row)).center());
    };
    auto marks = [list] {
        QStringList rows;
        for (QListWidgetItem* i : list->selectedItems()) rows << QString::number(list->row(i));
        return rows.join(u',');
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        int row;
        const char* output;
    };
    const Step steps[] = {
        {"Ctrl+click on the selected entry", [&] { clickRow(2, Qt::ControlModifier); }, 2, "1000.0000"},
        {"Ctrl+Space", [&] { QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier); }, 2, "1000.0000"},
        {"Ctrl+click on another entry", [&] { clickRow(5, Qt::ControlModifier); }, 5, "3280.84"},
        {"Ctrl+Down", [&] { QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier); }, 6, "1094.0000"},
        {"Ctrl+Up", [&] { QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier); }, 5, "3280.84"},
        {"Shift+click", [&] { clickRow(1, Qt::ShiftModifier); }, 1, "1.0000E+05"},
        {"Ctrl+Space again", [&] { QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier); }, 1, "1.0000E+05"},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(list->currentRow(), s.row) << s.what;
        EXPECT_EQ(marks(), QString::number(s.row)) << s.what;
        EXPECT_EQ(B->text(), s.output) << s.what;
    }
}

TEST_F(Conversion, TypingRecalculatesOnEveryKey)
{
    pick(Length, 3, 0); // km to mm
    EXPECT_EQ(typed("1"), "1");
    EXPECT_EQ(B->text(), "1.0000E+06");
    EXPECT_EQ(typed("2.5"), "2.5");
    EXPECT_EQ(B->text(), "2.5000E+06");
    pick(Length, 2, 2);
    EXPECT_EQ(typed("2.50"), "2.50");
    EXPECT_EQ(B->text(), "2.5") << "equal positions copy the parsed input";
    // An arrow key's release converts again, without a character.
    NumberBox::of(B).show("stale");
    QTest::keyClick(A, Qt::Key_Left);
    EXPECT_EQ(B->text(), "2.5");
}

TEST_F(Conversion, TheNumericFilterAllowsEachSignOnce)
{
    pick(Length, 0, 1);
    EXPECT_EQ(typed("1.5E-3"), "1.5E-3");
    EXPECT_EQ(B->text(), "1.5000E-04");
    EXPECT_EQ(typed("-1.5E-3"), "-1.5E3") << "the second minus is refused";
    EXPECT_EQ(typed("1..2EE3++4"), "1.2E3+4");
    EXPECT_EQ(typed("3-+"), "3-+") << "signs are not checked for position";
    EXPECT_EQ(typed("1e5xX,"), "15") << "lower-case e and other characters are refused";
    // Backspace is refused too; Delete still edits.
    EXPECT_EQ(typed("123"), "123");
    QTest::keyClick(A, Qt::Key_Backspace);
    EXPECT_EQ(A->text(), "123");
    A->setCursorPosition(0);
    QTest::keyClick(A, Qt::Key_Delete);
    EXPECT_EQ(A->text(), "23");
    EXPECT_EQ(B->text(), "2.3000") << "Delete's change converts";
}

TEST_F(Conversion, TheNumberBaseTabFiltersByTheFromBase)
{
    tabs->setCurrentIndex(Nbrs);
    from(Nbrs)->setCurrentRow(1); // bin
    EXPECT_EQ(typed("1201-1"), "1011");
    to(Nbrs)->setCurrentRow(0);
    EXPECT_EQ(B->text(), "11");
    from(Nbrs)->setCurrentRow(3); // hex
    EXPECT_EQ(typed("FFEEa"), "FFEE") << "E is a digit here and may repeat; lower case is refused";
    EXPECT_EQ(B->text(), "65518");
    EXPECT_EQ(typed("1.8.C"), "1.8C") << "one point only";
    from(Nbrs)->setCurrentRow(11); // base 12
    EXPECT_EQ(typed("BC+E"), "B");
    from(Nbrs)->setCurrentRow(0);
    EXPECT_EQ(typed("9A-E"), "9");
    from(Nbrs)->setCurrentRow(-1); // no selection: decimal digits
    EXPECT_EQ(typed("19A"), "19");
}

TEST_F(Conversion, TabChangesResetOrKeepTheBoxes)
{
    pick(Length, 5, 4);
    typed("2");
    EXPECT_EQ(B->text(), "24.0000");
    tabs->setCurrentIndex(Nbrs);
    EXPECT_EQ(w->tabIndex(), Nbrs);
    EXPECT_EQ(A->text(), "0");
    EXPECT_EQ(B->text(), "0");
    typed("1F");
    EXPECT_EQ(A->text(), "1") << "decimal digits on the first number-base entry";
    from(Nbrs)->setCurrentRow(3);
    typed("1F");
    tabs->setCurrentIndex(Length);
    EXPECT_EQ(A->text(), "1F") << "kept when leaving the number-base tab";
    EXPECT_EQ(B->text(), "12.0000") << "ft to in of the leading number 1";
    tabs->setCurrentIndex(Prefix);
    EXPECT_EQ(A->text(), "1");
    EXPECT_EQ(B->text(), "1.0E0") << "exa to exa in the prefix format";
    pick(Prefix, 8, 5);
    EXPECT_EQ(B->text(), "1.0E-3");
    // Each tab keeps its own selections.
    pick(Area, 2, 8);
    tabs->setCurrentIndex(Time);
    tabs->setCurrentIndex(Area);
    EXPECT_EQ(from(Area)->currentRow(), 2);
    EXPECT_EQ(to(Area)->currentRow(), 8);
    EXPECT_EQ(B->text(), "2.4700E-04");
}

// The text a page change writes into the input box is selected, as on
// opening: the first key typed replaces it.
TEST_F(Conversion, APageChangeSelectsTheTextItWritesIntoTheInput)
{
    w->showForm();
    QApplication::setActiveWindow(w);
    A->setFocus();
    auto caption = [this](int t) { return child<QToolButton>(w, QString("Conversions_tab%1").arg(t)); };

    // A click on a caption leaves the focus in the box.
    QTest::mouseClick(caption(Prefix), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), A);
    EXPECT_EQ(A->selectedText(), "1");
    QTest::keyClicks(A, "5");
    EXPECT_EQ(A->text(), "5");
    EXPECT_EQ(B->text(), "5.0E0");

    QTest::mouseClick(caption(Nbrs), Qt::LeftButton);
    EXPECT_EQ(A->selectedText(), "0");
    QTest::keyClicks(A, "7");
    EXPECT_EQ(A->text(), "7");
    EXPECT_EQ(B->text(), "7");

    // Ctrl+Tab from the box turns to the prefix page the same way.
    QTest::keyClick(A, Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(tabs->currentIndex(), Prefix);
    QTest::keyClicks(A, "5");
    EXPECT_EQ(A->text(), "5");
    EXPECT_EQ(B->text(), "5.0E0");

    // A page that writes nothing keeps the text and the caret.
    QTest::keyClick(A, Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(tabs->currentIndex(), Length);
    QTest::keyClicks(A, "2");
    EXPECT_EQ(A->text(), "52");
}

TEST_F(Conversion, TheTabCaptionsSwitchTabs)
{
    w->showForm();
    auto* caption = child<QToolButton>(w, "Conversions_tab10");
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), Temp);
    EXPECT_TRUE(caption->isChecked());
    pick(Temp, 0, 2);
    typed("100");
    EXPECT_EQ(B->text(), "212.0000");
    tabs->setCurrentIndex(Mass);
    EXPECT_TRUE(child<QToolButton>(w, "Conversions_tab3")->isChecked());
    EXPECT_FALSE(caption->isChecked());
}

// The selected caption stays selected when clicked or pressed again.
TEST_F(Conversion, TheSelectedCaptionStaysSelected)
{
    w->showForm();
    auto* caption = child<QToolButton>(w, "Conversions_tab0");
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_TRUE(caption->isChecked());
    caption->setFocus();
    QTest::keyClick(caption, Qt::Key_Space);
    EXPECT_TRUE(caption->isChecked());
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(Conversion, TheCaptionRowIsOneTabStopAndTheArrowKeysSelectAQuantity)
{
    auto* swap = child<QPushButton>(w, "Command1");
    auto caption = [this](int t) { return child<QToolButton>(w, QString("Conversions_tab%1").arg(t)); };
    swap->setFocus();
    QTest::keyClick(swap, Qt::Key_Tab);
    ASSERT_EQ(w->focusWidget(), caption(Length)) << "Tab from Swap A/B reaches the captions";
    struct Step {
        Qt::Key key;
        int tab;
    };
    // From Length: each key and the tab it selects; the focus moves with it.
    // Up and Down move by a row of five captions.
    const Step steps[] = {{Qt::Key_Left, Length}, {Qt::Key_Right, Area}, {Qt::Key_Down, Work},
                          {Qt::Key_End, Prefix},  {Qt::Key_Right, Prefix}, {Qt::Key_Down, Prefix},
                          {Qt::Key_Left, Nbrs},   {Qt::Key_Up, Density},  {Qt::Key_Home, Length}};
    for (const Step& s : steps) {
        QTest::keyClick(w->focusWidget(), s.key);
        EXPECT_EQ(tabs->currentIndex(), s.tab) << "key " << s.key;
        EXPECT_EQ(w->tabIndex(), s.tab) << "the tab change ran";
        EXPECT_EQ(w->focusWidget(), caption(s.tab));
        for (int t = 0; t < 18; ++t) {
            EXPECT_EQ(caption(t)->isChecked(), t == s.tab);
            EXPECT_EQ(bool(caption(t)->focusPolicy() & Qt::TabFocus), t == s.tab) << "one Tab stop, at caption " << t;
        }
    }
    // The keys run the same handler as a click: the number-base tab resets both boxes.
    QTest::keyClick(w->focusWidget(), Qt::Key_End);
    QTest::keyClick(w->focusWidget(), Qt::Key_Left);
    EXPECT_EQ(tabs->currentIndex(), Nbrs);
    EXPECT_EQ(A->text(), "0");
    EXPECT_EQ(B->text(), "0");
    // Tab goes on to the lists of the page shown.
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(w->focusWidget(), from(Nbrs));
}

TEST_F(Conversion, TheSelectedCaptionStandsOutPlainly)
{
    tabs->setCurrentIndex(Temp);
    auto* on = child<QToolButton>(w, "Conversions_tab10");
    auto* off = child<QToolButton>(w, "Conversions_tab9");
    EXPECT_TRUE(on->font().bold());
    EXPECT_FALSE(off->font().bold());
    EXPECT_EQ(on->palette().color(QPalette::Button), off->palette().color(QPalette::Highlight));
    EXPECT_NE(on->palette().color(QPalette::ButtonText), off->palette().color(QPalette::ButtonText));
}

TEST_F(Conversion, CtrlTabChangesTheQuantityFromEveryControl)
{
    const char* controls[] = {"Txt_A", "Txt_B", "Cmd_Dir_Conv", "Command1", "Conversions_tab0"};
    for (const char* name : controls) {
        tabs->setCurrentIndex(Length);
        auto* c = child<QWidget>(w, name);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), Area) << name;
        QTest::keyClick(c, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(tabs->currentIndex(), Length) << name;
        QTest::keyClick(c, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(tabs->currentIndex(), Prefix) << name << ": wraps round to the last";
        EXPECT_EQ(A->text(), "1") << name << ": the prefix tab's handler ran";
        QTest::keyClick(c, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), Length) << name << ": wraps round to the first";
        EXPECT_EQ(A->text(), "1") << name << ": the input kept, no tab typed into it";
        EXPECT_EQ(w->focusWidget(), c) << name << ": the focus stays";
    }
    // From a list the focus goes on to the list of the page shown.
    to(Length)->setFocus();
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), Area);
    EXPECT_TRUE(w->focusWidget() == from(Area) || w->focusWidget() == to(Area));
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), Length);
    EXPECT_TRUE(w->focusWidget() == from(Length) || w->focusWidget() == to(Length));
}

TEST_F(Conversion, ANoSelectionPositionLeavesTheOutput)
{
    pick(Volume, 9, 10);
    tabs->setCurrentIndex(Volume);
    typed("2");
    EXPECT_EQ(B->text(), "0.2500");
    to(Volume)->setCurrentRow(-1);
    typed("4");
    EXPECT_EQ(B->text(), "0.2500");
    from(Volume)->setCurrentRow(-1);
    to(Volume)->setCurrentRow(10);
    EXPECT_EQ(B->text(), "0.2500");
}

TEST_F(Conversion, ResultsBeyondTheDoubleRangeReportAndKeepTheOutput)
{
    rt::MessageRecorder rec;
    pick(Length, 2, 1); // m to cm
    typed("1E3");
    EXPECT_EQ(B->text(), "100000.0000");
    enter(A, "1E308");
    EXPECT_EQ(B->text(), "100000.0000");
    ASSERT_FALSE(rec.messages.isEmpty());
    for (const QString& m : rec.messages) EXPECT_EQ(m, "Overflow");

    rec.messages.clear();
    tabs->setCurrentIndex(Temp);
    EXPECT_EQ(B->text(), "1E+308") << "deg_C to deg_C copies the input";
    to(Temp)->setCurrentRow(2);
    EXPECT_EQ(B->text(), "1E+308") << "deg_C to deg_F overflows and writes nothing";
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
}

TEST_F(Conversion, PastedTextIsAcceptedAndConverted)
{
    pick(Mass, 1, 0);
    tabs->setCurrentIndex(Mass);
    QApplication::clipboard()->setText("-1.5e2kg");
    A->selectAll();
    A->paste();
    EXPECT_EQ(A->text(), "-1.5e2kg");
    EXPECT_EQ(B->text(), "-150000.0000");
    tabs->setCurrentIndex(Nbrs);
    pick(Nbrs, 0, 1);
    QApplication::clipboard()->setText("-5");
    A->selectAll();
    A->paste();
    EXPECT_EQ(B->text(), "-101");
}

TEST_F(Conversion, TheNumberBaseTabShowsTheDigitsOfTheNumberTyped)
{
    rt::MessageRecorder rec;
    tabs->setCurrentIndex(Nbrs);
    pick(Nbrs, 0, 0); // dec to dec
    EXPECT_EQ(typed("1.2"), "1.2");
    EXPECT_EQ(B->text(), "1.2000000000");
    to(Nbrs)->setCurrentRow(6); // base 5
    EXPECT_EQ(B->text(), "1.1000000000");
    pick(Nbrs, 4, 4); // base 3 to base 3
    typed("1.1");
    EXPECT_EQ(B->text(), "1.1000000000");
    pick(Nbrs, 0, 1); // dec to bin
    QApplication::clipboard()->setText("-0.0001");
    A->selectAll();
    A->paste();
    EXPECT_EQ(B->text(), "0.0000000000") << "no sign before zero digits";
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST_F(Conversion, TheNumberBaseTabKeepsItsResultAfterAnOverflow)
{
    rt::MessageRecorder rec;
    tabs->setCurrentIndex(Nbrs);
    pick(Nbrs, 0, 1); // dec to bin
    typed("5");
    EXPECT_EQ(B->text(), "101");
    QApplication::clipboard()->setText("1E400");
    A->selectAll();
    A->paste();
    EXPECT_EQ(B->text(), "101") << "a hub beyond the double range";
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});

    rec.messages.clear();
    pick(Nbrs, 1, 0); // bin to dec
    typed("110");
    EXPECT_EQ(B->text(), "6");
    enter(A, QString(1100, u'1'));
    EXPECT_EQ(B->text(), "6") << "a binary input beyond the double range";
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
}

TEST_F(Conversion, TheButtonsAndTheOutputBoxChangeNothing)
{
    w->showForm();
    pick(Force, 2, 3);
    tabs->setCurrentIndex(Force);
    const QString a = A->text(), b = B->text();
    QTest::mouseClick(child<QPushButton>(w, "Cmd_Dir_Conv"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    QTest::keyClicks(B, "99");
    QTest::keyClick(B, Qt::Key_Backspace);
    EXPECT_EQ(A->text(), a);
    EXPECT_EQ(B->text(), b);
    EXPECT_EQ(child<QPushButton>(w, "Cmd_Dir_Conv")->text(), "==>");
    EXPECT_EQ(child<QPushButton>(w, "Command1")->text(), "Swap A/B");
}

TEST_F(Conversion, ClosingAndReopeningStartsAfresh)
{
    tabs->setCurrentIndex(Prefix);
    pick(Prefix, 3, 4);
    w->close();
    EXPECT_FALSE(w->isLoaded());
    MDIForm1::instance().findChild<QAction*>("M1_conv")->trigger();
    EXPECT_EQ(Forms::existing<FConversion>(), w) << "one instance for the program's life";
    tabs = child<QTabWidget>(w, "Conversions");
    A = child<QLineEdit>(w, "Txt_A");
    B = child<QLineEdit>(w, "Txt_B");
    EXPECT_EQ(tabs->currentIndex(), Length);
    EXPECT_EQ(A->text(), "1.0");
    EXPECT_EQ(B->text(), "1");
    EXPECT_EQ(from(Prefix)->currentRow(), 0);
}

TEST_F(Conversion, ThePrefixTabRoundsHalfwayValuesUpAndWritesThePoint)
{
    tabs->setCurrentIndex(Prefix);
    pick(Prefix, 8, 8);
    typed("0.000123445");
    EXPECT_EQ(B->text(), "1.2345E-4");
    typed("1.5");
    pick(Prefix, 8, 5);
    EXPECT_EQ(B->text(), "1.5E-3");
}

} // namespace
