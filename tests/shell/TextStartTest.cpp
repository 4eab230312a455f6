// A number the program writes into a box shows from its first character,
// even where it is longer than the box; what the user types keeps its caret.
// Driven through the real windows.
#include "TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>

namespace {

class TextStart : public ::testing::Test {
protected:
    void TearDown() override { unloadToolWindows(); }
};

QLineEdit* box(ToolWindow* w, const char* name) { return child<QLineEdit>(w, name); }

void retype(QLineEdit* b, const QString& keys)
{
    b->selectAll();
    QTest::keyClicks(b, keys);
}

bool longerThanItsBox(const QLineEdit* b) { return b->fontMetrics().horizontalAdvance(b->text()) > b->width(); }

struct Written {
    const char* item;
    std::function<void(ToolWindow*)> act;
    const char* box;
    const char* text;
};

TEST_F(TextStart, ALongResultShowsItsSignAndLeadingDigits)
{
    const Written cases[] = {
        {"M1_calc",
         [](ToolWindow* w) {
             retype(box(w, "x_val_result"), "20");
             QTest::mouseClick(child<QPushButton>(w, "cmd_10tox"), Qt::LeftButton);
         },
         "x_val_result", "100000000000000000000.0000"},
        {"M1_calc",
         [](ToolWindow* w) {
             retype(box(w, "x_val_result"), "99999999");
             QTest::mouseClick(child<QPushButton>(w, "cmd_x2"), Qt::LeftButton);
         },
         "x_val_result", "9999999800000000.0000"},
        {"M1_conv",
         [](ToolWindow* w) {
             pickUnits(w, "Length", "lst_From_len", 3, "lst_to_len", 0); // km to mm
             retype(box(w, "Txt_A"), "1E20");
         },
         "Txt_B", "100000000000000000000000000.0000"},
        {"M1_conv",
         [](ToolWindow* w) {
             pickUnits(w, "Nbrs", "lst_from_numb", 0, "lst_to_numb", 1); // dec to bin
             retype(box(w, "Txt_A"), "123456789012");
         },
         "Txt_B", "1110010111110100110010001101000010100"},
        {"M1_1D_IsFl", [](ToolWindow* w) { retype(box(w, "txtMach"), "1000"); }, "TxtPt2Ps",
         "3577771374294360000.0000"},
    };
    for (const Written& c : cases) {
        SCOPED_TRACE(std::string(c.item) + " " + c.box);
        ToolWindow* w = openFromMenu(c.item);
        c.act(w);
        QLineEdit* b = box(w, c.box);
        EXPECT_EQ(b->text(), QString(c.text));
        EXPECT_TRUE(longerThanItsBox(b)) << b->text().toStdString();
        EXPECT_EQ(b->cursorPosition(), 0);
        w->unload();
    }
}

// Every key released in the input box converts again; the same text written
// once more moves the toolkit's caret to the end without a change signal.
TEST_F(TextStart, TheSameLongResultWrittenAgainStillShowsItsStart)
{
    ToolWindow* w = openFromMenu("M1_conv");
    pickUnits(w, "Length", "lst_From_len", 3, "lst_to_len", 0);
    QLineEdit* a = box(w, "Txt_A");
    QLineEdit* b = box(w, "Txt_B");
    retype(a, "1E20");
    ASSERT_EQ(b->cursorPosition(), 0);
    const QString shown = b->text();
    QTest::keyClick(a, Qt::Key_Left);
    EXPECT_EQ(b->text(), shown);
    EXPECT_EQ(b->cursorPosition(), 0);
    child<QListWidget>(w, "lst_to_len")->setCurrentRow(1);
    child<QListWidget>(w, "lst_to_len")->setCurrentRow(0);
    EXPECT_EQ(b->cursorPosition(), 0);
}

// The box the user types in keeps the caret where the keys leave it, also
// when the window answers a key by putting the last accepted number back:
// the next digit goes after it.
TEST_F(TextStart, TypingKeepsTheCaretWhereTheKeysLeaveIt)
{
    ToolWindow* aero = openFromMenu("M1_Atm_Aero");
    QLineEdit* mach = box(aero, "Txt_mach");
    retype(mach, "0.85");
    EXPECT_EQ(mach->cursorPosition(), 4);
    QTest::keyClick(mach, Qt::Key_Left);
    QTest::keyClicks(mach, "7");
    EXPECT_EQ(mach->text(), "0.875");
    EXPECT_EQ(mach->cursorPosition(), 4);

    ToolWindow* geo = openFromMenu("Geodist");
    QLineEdit* deg = box(geo, "txt_lat_deg_sp");
    retype(deg, "910");
    EXPECT_EQ(deg->text(), "90") << "91 is refused, 9 put back, then 0 typed after it";

    ToolWindow* conv = openFromMenu("M1_conv");
    QApplication::clipboard()->setText("123");
    QLineEdit* a = box(conv, "Txt_A");
    a->setCursorPosition(1);
    a->paste();
    EXPECT_EQ(a->text(), "1123.0");
    EXPECT_EQ(a->cursorPosition(), 4);
}

// Tab selects the whole text of the box it reaches; the selection ends at
// the start, so the box still shows where the number begins.
TEST_F(TextStart, ABoxReachedByTabShowsItsStartSelected)
{
    ToolWindow* w = openFromMenu("M1_conv");
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w)) GTEST_SKIP() << "no window activation on this platform";
    pickUnits(w, "Length", "lst_From_len", 3, "lst_to_len", 0);
    QLineEdit* a = box(w, "Txt_A");
    QLineEdit* b = box(w, "Txt_B");
    a->setFocus();
    retype(a, "1E20");
    // A real Tab: its release goes to the box the press moved the focus to.
    QTest::keyPress(a, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), b);
    QTest::keyRelease(b, Qt::Key_Tab);
    EXPECT_EQ(b->selectedText(), b->text());
    EXPECT_EQ(b->cursorPosition(), 0);
}

} // namespace
