// A box knows who wrote its text: the window writes through the box's
// controller, the user through keys, input-method commits, pastes and drops.
// Driven through the real windows.
#include "TestSupport.h"

#include "runtime/Error.h"
#include "runtime/Format.h"
#include "shell/ui/NumberBox.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QMenu>
#include <QKeyEvent>
#include <QContextMenuEvent>

// Named, so that a unity build keeps these helpers apart from their
// namesakes in the other window tests.
namespace box_writer {
namespace {

class BoxWriter : public ::testing::Test {
protected:
    void TearDown() override { unloadToolWindows(); }
    rt::MessageRecorder rec;
};

QLineEdit* box(ToolWindow* w, const char* name) { return child<QLineEdit>(w, name); }

// What an input method sends when the user composes `text`.
void commit(QLineEdit* b, const QString& text)
{
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(b, &e);
}

// A click on the item of the box's context menu whose text starts with
// `item` ("Cut", "Undo"), the text and caret left as they stand.
void fromMenu(QLineEdit* b, const char* item)
{
    b->setFocus();
    const QPoint at = b->rect().center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, b->mapToGlobal(at));
    QApplication::sendEvent(b, &e);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    for (QAction* a : menu->actions())
        if (a->text().remove(u'&').startsWith(QLatin1String(item)))
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    if (menu->isVisible()) menu->close();
}

// One key press whose event carries `text`, as a keyboard layout or a
// remote desktop may send several characters at once.
void pressWithText(QLineEdit* b, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(b, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(b, &release);
}

// Another window activated mid-typing is not leaving the box: the number
// held below its minimum goes on when the user comes back and types.
TEST_F(BoxWriter, AHeldNumberWaitsWhileAnotherWindowIsActive)
{
    ToolWindow* flow = openActive("M1_1D_IsFl");
    if (!QTest::qWaitForWindowActive(flow)) GTEST_SKIP() << "no window activation on this platform";
    QLineEdit* gama = box(flow, "TxtGama");
    typeOver(box(flow, "txtMach"), "2");
    typeOver(gama, "1");
    ASSERT_EQ(QApplication::focusWidget(), gama);

    ToolWindow* aero = openActive("M1_Atm_Aero");
    ASSERT_TRUE(QTest::qWaitForWindowActive(aero));
    QApplication::setActiveWindow(flow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(flow));
    ASSERT_EQ(QApplication::focusWidget(), gama);
    QTest::keyClicks(gama, ".3");
    EXPECT_EQ(gama->text(), "1.3");
    EXPECT_EQ(box(flow, "TxtPt2Ps")->text(), "7.6651");

    // Leaving for another control of the window does let it go.
    typeOver(gama, "1");
    QTest::keyClick(gama, Qt::Key_Tab);
    EXPECT_EQ(gama->text(), "1.3");
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("; ").toStdString();
}

// A refused text put back when a held number is let go is selected, so the
// next digit replaces it; one put back at once keeps the caret where the
// refused edit found it.
TEST_F(BoxWriter, APutBackTextIsSelectedOrKeepsTheCaretOfTheRefusedEdit)
{
    ToolWindow* shock = openActive("M1_1d_NoSh");
    QLineEdit* mx = box(shock, "txtMx");
    typeOver(mx, "0.9");
    QTest::keyClick(mx, Qt::Key_Return);
    ASSERT_EQ(mx->text(), "1");
    EXPECT_EQ(mx->selectedText(), "1");
    QTest::keyClicks(mx, "2");
    EXPECT_EQ(mx->text(), "2");
    EXPECT_EQ(box(shock, "txtMy")->text(), "0.5774");

    ToolWindow* geo = openActive("Geodist");
    QLineEdit* sec = box(geo, "txt_lat_sec_sp");
    typeOver(sec, "5.5");
    QTest::keyClick(sec, Qt::Key_Home);
    QTest::keyClicks(sec, "9"); // 95.5 is refused
    ASSERT_EQ(sec->text(), "5.5000");
    EXPECT_EQ(sec->cursorPosition(), 0);
    QTest::keyClicks(sec, "1");
    EXPECT_EQ(sec->text(), "15.5000");
    EXPECT_EQ(box(geo, "Txt_dist_ISO")->text(), "0.4785");
}

// A box that only shows results takes every text the window writes; it is
// never read back as a number.
TEST_F(BoxWriter, ABoxThatShowsResultsTakesEveryResult)
{
    ToolWindow* conv = openActive("M1_conv");
    QLineEdit* a = box(conv, "Txt_A");
    QLineEdit* b = box(conv, "Txt_B");
    struct Case {
        const char* tab;
        const char* from;
        int fromRow;
        const char* to;
        int toRow;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"Nbrs", "lst_from_numb", 0, "lst_to_numb", 3, "123657", "1E309"},
        {"Nbrs", "lst_from_numb", 0, "lst_to_numb", 3, "0.118", "0.1E353F7CED"},
        {"Time", "lst_from_time", 0, "lst_to_time", 0, "1.7976931348623157E308", "1.79769313486232E+308"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        pickUnits(conv, c.tab, c.from, c.fromRow, c.to, c.toRow);
        rec.messages.clear();
        typeOver(a, c.typed);
        EXPECT_EQ(b->text(), c.shown);
        EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("; ").toStdString();
    }
}

// The finance boxes have no change handler: they take any text, and a
// solve that cannot read one goes on with the value it had.
TEST_F(BoxWriter, AFinanceBoxTakesAnyTextUntilASolveReadsIt)
{
    ToolWindow* fin = openActive("M1Finance");
    QLineEdit* pv = box(fin, "Txt_PV");
    const QString payment = box(fin, "Txt_PMT")->text();
    pasteFromMenu(pv, "1E400");
    EXPECT_EQ(pv->text(), "1E400");
    typeOver(pv, QString(310, u'9'));
    EXPECT_EQ(pv->text().size(), 310);
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("; ").toStdString();

    pasteFromMenu(pv, "1E400");
    QTest::mouseClick(child<QPushButton>(fin, "Cmd_PMT"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>(fin, "Lbl_stat_fin")->text(), "Error");
    EXPECT_EQ(pv->text(), rt::format(100000, u"currency"));
    EXPECT_EQ(box(fin, "Txt_PMT")->text(), payment);
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("; ").toStdString();
}

// What an input method commits passes the box's filter as typed keys do.
TEST_F(BoxWriter, AnInputMethodCommitPassesTheFilter)
{
    ToolWindow* geo = openActive("Geodist");
    QLineEdit* deg = box(geo, "txt_lat_deg_sp");
    typeOver(deg, "4");
    commit(deg, QString::fromUtf8("⁵")); // dead "^" then "5" on a German keyboard
    EXPECT_EQ(deg->text(), "4");
    commit(deg, "5x");
    EXPECT_EQ(deg->text(), "45");
    EXPECT_EQ(box(geo, "Txt_dist_ISO")->text(), "5001.02");

    ToolWindow* flow = openActive("M1_1D_IsFl");
    QLineEdit* mach = box(flow, "txtMach");
    typeOver(mach, "2");
    commit(mach, ".5.");
    EXPECT_EQ(mach->text(), "2.5") << "a second point is refused within one commit too";
}

// A deletion is an edit as a typed key is: one that leaves a number below
// the box's minimum is held until the user leaves the box. A text refused at
// once comes back with the selection the refused edit found, so the next key
// replaces what the user had selected.
TEST_F(BoxWriter, ADeletionIsHeldAsATypedKeyIs)
{
    ToolWindow* shock = openActive("M1_1d_NoSh");
    QLineEdit* mx = box(shock, "txtMx");
    QLineEdit* gama = box(shock, "TxtGama");
    typeOver(mx, "1.5");
    QTest::keyClick(mx, Qt::Key_Home);
    QTest::keyClick(mx, Qt::Key_Delete);
    EXPECT_EQ(mx->text(), ".5");
    QTest::keyClicks(mx, "2");
    EXPECT_EQ(mx->text(), "2.5");
    EXPECT_EQ(box(shock, "txtMy")->text(), "0.5130");

    typeOver(gama, "1.45");
    gama->setSelection(2, 2);
    QTest::keyClick(gama, Qt::Key_Delete);
    QTest::keyClicks(gama, "3");
    EXPECT_EQ(gama->text(), "1.3");
    gama->selectAll();
    QTest::keyClick(gama, Qt::Key_Delete);
    QTest::keyClicks(gama, "1.2");
    EXPECT_EQ(gama->text(), "1.2");

    // A cut from the box's menu is held too; leaving the box refuses it.
    typeOver(mx, "1.5");
    const QString my = box(shock, "txtMy")->text();
    mx->setSelection(0, 1);
    fromMenu(mx, "Cut");
    EXPECT_EQ(mx->text(), ".5");
    EXPECT_EQ(box(shock, "txtMy")->text(), my) << "a held number computes nothing";
    QTest::keyClick(mx, Qt::Key_Tab);
    EXPECT_EQ(mx->text(), "1.5");

    // A paste is checked at once: the text comes back with its selection.
    typeOver(mx, "1.5");
    mx->setSelection(0, 1);
    pasteFromMenu(mx, "0", false);
    ASSERT_EQ(mx->text(), "1.5");
    EXPECT_EQ(mx->selectedText(), "1");
    QTest::keyClicks(mx, "2");
    EXPECT_EQ(mx->text(), "2.5");
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("; ").toStdString();
}

// The "0" written into a box the user emptied stands selected: the next key
// replaces it.
TEST_F(BoxWriter, TheZeroOfAnEmptiedBoxIsSelected)
{
    ToolWindow* geo = openActive("Geodist");
    QLineEdit* latDeg = box(geo, "txt_lat_deg_sp");
    typeOver(latDeg, "45");
    latDeg->selectAll();
    QTest::keyClick(latDeg, Qt::Key_Delete);
    EXPECT_EQ(latDeg->text(), "0");
    EXPECT_EQ(latDeg->selectedText(), "0");
    QTest::keyClicks(latDeg, "3");
    EXPECT_EQ(latDeg->text(), "3");
    EXPECT_EQ(box(geo, "Txt_dist_ISO")->text(), "333.40");

    for (const char* point : {"sp", "ep"})
        for (const char* coord : {"lat", "lon"})
            for (const char* field : {"deg", "min", "sec"}) {
                QLineEdit* b = box(geo, QString("txt_%1_%2_%3").arg(coord, field, point).toLatin1());
                SCOPED_TRACE(b->objectName().toStdString());
                typeOver(b, "4");
                b->selectAll();
                QTest::keyClick(b, Qt::Key_Delete);
                EXPECT_EQ(b->text(), "0");
                EXPECT_EQ(b->selectedText(), "0");
            }

    ToolWindow* isen = openActive("M1_1D_IsFl");
    QLineEdit* mach = box(isen, "txtMach");
    typeOver(mach, "2");
    mach->selectAll();
    QTest::keyClick(mach, Qt::Key_Delete);
    EXPECT_EQ(mach->selectedText(), "0");
    QTest::keyClicks(mach, "3");
    EXPECT_EQ(mach->text(), "3");
    EXPECT_EQ(box(isen, "TxtPt2Ps")->text(), "36.73");
}

// A write of the text a box holds already changes nothing: the user's undo
// and redo stay as they were.
TEST_F(BoxWriter, WritingTheSameTextKeepsTheUndoHistory)
{
    ToolWindow* isen = openActive("M1_1D_IsFl");
    QLineEdit* mach = box(isen, "txtMach");
    ASSERT_EQ(mach->text(), "0");
    pasteFromMenu(mach, "12");
    ASSERT_EQ(mach->text(), "12");
    fromMenu(mach, "Undo");
    ASSERT_EQ(mach->text(), "0");
    EXPECT_TRUE(mach->isRedoAvailable());
    fromMenu(mach, "Redo");
    EXPECT_EQ(mach->text(), "12");
}

// Every road into a box meets the same filter and the same rule of one
// message per user action: an input-method commit is an action of its own,
// and every character of a key's text passes the filter.
TEST_F(BoxWriter, EveryRoadMeetsTheFilterAndTheMessageRule)
{
    ToolWindow* calc = openActive("M1_calc");
    QLineEdit* x = box(calc, "x_val_result");
    typeOver(x, "1E308");
    commit(x, "9");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    commit(x, "9");
    EXPECT_EQ(rec.messages, (QStringList{"Overflow", "Overflow"}));
    EXPECT_EQ(x->text(), "1E308");

    ToolWindow* geo = openActive("Geodist");
    QLineEdit* deg = box(geo, "txt_lat_deg_sp");
    typeOver(deg, "1");
    pressWithText(deg, Qt::Key_2, "2x");
    EXPECT_EQ(deg->text(), "12");

    ToolWindow* isen = openActive("M1_1D_IsFl");
    QLineEdit* gama = box(isen, "TxtGama");
    typeOver(gama, "1.4");
    pressWithText(gama, Qt::Key_5, "5.");
    EXPECT_EQ(gama->text(), "1.45");
}

// A text beyond the double range goes back to the last readable one, which
// the window has taken already: the put-back runs no handler, so the action
// shows the one message of the refusal.
TEST_F(BoxWriter, APutBackOfTheLastReadableTextRunsNoHandler)
{
    ToolWindow* aero = openActive("M1_Atm_Aero");
    QLineEdit* alt = box(aero, "Txt_alt");
    typeOver(box(aero, "Txt_Veas"), "361.5");
    typeOver(alt, "31000000276710000");
    rec.messages.clear();
    alt->setCursorPosition(0);
    pasteFromMenu(alt, "1e", false);
    EXPECT_EQ(alt->text(), "31000000276710000");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
}

// A minutes box drops a leading "0" ("05" is 5); a seconds box keeps it, so
// that "0.5" can be reached by typing 5 after the 0 and then the point.
TEST_F(BoxWriter, MinutesDropALeadingZeroSecondsKeepIt)
{
    ToolWindow* geo = openActive("Geodist");
    QLineEdit* min = box(geo, "txt_lat_min_sp");
    typeOver(min, "05");
    EXPECT_EQ(min->text(), "5");
    QTest::keyClicks(min, "9");
    EXPECT_EQ(min->text(), "59");
    QLineEdit* sec = box(geo, "txt_lon_sec_ep");
    typeOver(sec, "05");
    EXPECT_EQ(sec->text(), "05");
}

// The text field of an editable list is Qt's own: completion and the caret
// work as in any combo box.
TEST_F(BoxWriter, AnEditableListKeepsItsOwnEditing)
{
    ToolWindow* geo = openActive("Geodist");
    auto* lon = child<QComboBox>(geo, "CB_Lon_EW_sp");
    lon->lineEdit()->setFocus();
    lon->lineEdit()->selectAll();
    QTest::keyClicks(lon->lineEdit(), "We");
    EXPECT_EQ(lon->lineEdit()->text(), "West");
    EXPECT_EQ(lon->lineEdit()->selectedText(), "st");

    auto* lat = child<QComboBox>(geo, "Cb_lat_NS_sp");
    lat->setFocus();
    QTest::keyClick(lat, Qt::Key_Up);
    QTest::keyClick(lat, Qt::Key_End);
    QTest::keyClicks(lat, "x");
    EXPECT_EQ(lat->lineEdit()->text(), "Northx");
}

// Every change that does not come through the controller is the user's, and
// one the box did not announce as an edit is a write past the controller.
TEST_F(BoxWriter, AWritePastTheControllerIsCaught)
{
    ToolWindow* calc = openActive("M1_calc");
    QLineEdit* x = box(calc, "x_val_result");
    pasteFromMenu(x, "12");
    dropOn(x, "3");
    typeOver(x, "4");
    NumberBox::of(x).show("5");
    EXPECT_TRUE(NumberBox::strayWrites().isEmpty());
    x->setText("6");
    EXPECT_EQ(NumberBox::strayWrites(), QStringList{"x_val_result: 6"});
    NumberBox::forgetStrayWrites();
}

} // namespace
} // namespace box_writer
