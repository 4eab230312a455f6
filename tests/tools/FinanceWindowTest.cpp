#include "runtime/Currency.h"
#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tools/ui/Financial_1.h"

#include "FinanceLocale.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

namespace {

const char* const kBoxes[] = {"Txt_N", "Txt_i_perc", "Txt_Pay_per_year", "Txt_PV", "Txt_PMT", "Txt_FV"};

class FinanceWindow : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override
    {
        if (win) win->unload();
        EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
    }

    void open()
    {
        MDIForm1::instance().findChild<QAction*>("M1Finance")->trigger();
        win = Forms::existing<Financial_1>();
        ASSERT_NE(win, nullptr);
        // The offscreen platform activates a window on its first show only;
        // a desktop activates it on every show, and its focus goes to Txt_N.
        QApplication::setActiveWindow(win);
        QApplication::processEvents();
    }
    void reopen()
    {
        win->unload();
        open();
    }

    QLineEdit* box(const char* name) { return child<QLineEdit>(win, name); }
    QString text(const char* name) { return box(name)->text(); }
    QString status() { return child<QLabel>(win, "Lbl_stat_fin")->text(); }
    void set(const char* name, const QString& t) { enter(box(name), t); }
    void type(const char* name, const QString& keys) { QTest::keyClicks(box(name), keys); }
    void click(const char* name) { child<QPushButton>(win, name)->click(); }
    void clearStatus() { child<QLabel>(win, "Lbl_stat_fin")->clear(); }

    // The six boxes in the order N, i%, per year, PV, PMT, FV.
    QStringList all()
    {
        QStringList r;
        for (const char* b : kBoxes) r << text(b);
        return r;
    }

    PinnedLocale pin{"en_US"};
    rt::MessageRecorder messages; // a solve never shows a message box
    Financial_1* win = nullptr;
};

const QStringList kOpening = {"120", "6.00", "12", "$100,000.00", "($1,110.21)", "$0.00"};

TEST_F(FinanceWindow, OpensWithThePaymentOfTheDesignValues)
{
    EXPECT_EQ(win->windowTitle(), "Financial");
    EXPECT_EQ(all(), kOpening);
    EXPECT_TRUE(child<QRadioButton>(win, "Opt_end_per")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(win, "Opt_beg_per")->isChecked());
    EXPECT_EQ(child<QLabel>(win, "Label9")->text(), "Note: All fields must be filled properly before calculation");
    // The load's two empty boxes said "Error"; the focus on Txt_N cleared it.
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(box("Txt_N")->hasFocus());
}

TEST_F(FinanceWindow, EachSolveRightAfterOpeningReadsTheShownAmounts)
{
    struct Case {
        const char* button;
        const char* box;
        const char* expected;
    } cases[] = {
        {"Cmd_FV", "Txt_FV", "$0.82"},          // the payment reads back as -1110.21
        {"Cmd_PV", "Txt_PV", "$100,000.45"},
        {"Cmd_N", "Txt_N", "120"},              // NPer gives 119.9993
        {"Cmd_i_per_year", "Txt_i_perc", "6.00"},
        {"Cmd_PMT", "Txt_PMT", "($1,110.21)"},
    };
    for (const Case& c : cases) {
        reopen();
        click(c.button);
        EXPECT_EQ(text(c.box), c.expected) << c.button;
        EXPECT_EQ(status(), "") << c.button;
    }
}

TEST_F(FinanceWindow, PaymentsAtTheBeginningOfEachPeriod)
{
    child<QRadioButton>(win, "Opt_beg_per")->click();
    EXPECT_FALSE(child<QRadioButton>(win, "Opt_end_per")->isChecked());
    EXPECT_EQ(text("Txt_PMT"), "($1,110.21)"); // choosing solves nothing
    click("Cmd_PMT");
    EXPECT_EQ(text("Txt_PMT"), "($1,104.68)");
    click("Cmd_FV"); // fv(0.005;120;-1104.68;100000;1) = -0.265
    EXPECT_EQ(text("Txt_FV"), "($0.27)");
    child<QRadioButton>(win, "Opt_end_per")->click();
    set("Txt_FV", "0");
    click("Cmd_PMT");
    EXPECT_EQ(text("Txt_PMT"), "($1,110.21)");
}

TEST_F(FinanceWindow, QuarterlyPayments)
{
    set("Txt_Pay_per_year", "4");
    click("Cmd_PMT");
    EXPECT_EQ(text("Txt_PMT"), "($1,801.85)");
    click("Cmd_i_per_year");
    EXPECT_EQ(text("Txt_i_perc"), "6.00");

    reopen();
    set("Txt_Pay_per_year", "4");
    click("Cmd_PV");
    EXPECT_EQ(text("Txt_PV"), "$61,614.94");
}

TEST_F(FinanceWindow, PaymentsPerYearOf365OverflowTheRateConversion)
{
    set("Txt_Pay_per_year", "365");
    const QStringList before = all();
    click("Cmd_FV");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(all(), before);

    // "N", "PMT" and "PV" go on with the rate of the last good conversion
    // (0.5 %, from the load): the results of the opening values.
    struct Case {
        const char* button;
        const char* box;
        const char* expected;
    } cases[] = {{"Cmd_PMT", "Txt_PMT", "($1,110.21)"}, {"Cmd_PV", "Txt_PV", "$100,000.45"}, {"Cmd_N", "Txt_N", "120"}};
    for (const Case& c : cases) {
        reopen();
        set("Txt_Pay_per_year", "365");
        click(c.button);
        EXPECT_EQ(status(), "Error") << c.button;
        EXPECT_EQ(text(c.box), c.expected) << c.button;
        EXPECT_EQ(text("Txt_Pay_per_year"), "365") << c.button;
    }

    // "i%y" converts in double arithmetic: rate(120;-1110.21;100000)*36500 = 182.503.
    reopen();
    set("Txt_Pay_per_year", "365");
    click("Cmd_i_per_year");
    EXPECT_EQ(status(), "");
    EXPECT_EQ(text("Txt_i_perc"), "182.50");
}

TEST_F(FinanceWindow, AFailedReadingKeepsTheMemberAndTheDisplayRestoresIt)
{
    set("Txt_PV", "");
    click("Cmd_PMT");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(all(), kOpening);

    // "FV" stops at once: no box changes.
    reopen();
    set("Txt_PV", "");
    click("Cmd_FV");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(all(), QStringList({"120", "6.00", "12", "", "($1,110.21)", "$0.00"}));

    // A count beyond 16 bits is a failed reading too.
    reopen();
    set("Txt_N", "40000");
    click("Cmd_PMT");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(all(), kOpening);
}

TEST_F(FinanceWindow, ASolveThatFindsNothingShowsErrorAndAZeroTarget)
{
    set("Txt_i_perc", "0");
    set("Txt_PMT", "0");
    click("Cmd_N");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(text("Txt_N"), "0");
    EXPECT_EQ(text("Txt_i_perc"), "0.00");

    // nper(0.0001/12;-1;100000;0) = 215012: beyond 16 bits.
    reopen();
    set("Txt_i_perc", "0.01");
    set("Txt_PMT", "-1");
    click("Cmd_N");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(text("Txt_N"), "0");

    // No rate makes money received on every side; "i%y" stops at once.
    reopen();
    set("Txt_PMT", "100");
    set("Txt_FV", "100");
    click("Cmd_i_per_year");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(all(), QStringList({"120", "6.00", "12", "$100,000.00", "100", "100"}));
}

TEST_F(FinanceWindow, PaymentsPerYearZeroStopsEverySolve)
{
    set("Txt_Pay_per_year", "0"); // a paste: the key 0 is refused
    for (const char* button : {"Cmd_N", "Cmd_i_per_year", "Cmd_PV", "Cmd_PMT", "Cmd_FV"}) {
        clearStatus();
        click(button);
        EXPECT_EQ(status(), "Error") << button;
        EXPECT_EQ(all(), QStringList({"120", "6.00", "0", "$100,000.00", "($1,110.21)", "$0.00"})) << button;
    }
}

TEST_F(FinanceWindow, TinySolvedAmountsShowAsZero)
{
    set("Txt_i_perc", "0");
    set("Txt_N", "1");
    set("Txt_PMT", "0");
    set("Txt_PV", "0.0009");
    click("Cmd_FV");
    EXPECT_EQ(text("Txt_FV"), "$0.00");
    set("Txt_PV", "-0.004"); // at and above the limit the amount stays, rounded for display
    click("Cmd_FV");
    EXPECT_EQ(text("Txt_FV"), "$0.00");
    set("Txt_PV", "0.006");
    click("Cmd_FV");
    EXPECT_EQ(text("Txt_FV"), "($0.01)");
    EXPECT_EQ(status(), "");
}

// The text area of a box: its width less the frame and the edit's own
// margin of 2 pixels a side.
int textRoom(const QLineEdit* e)
{
    return e->width() - 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) - 4;
}

TEST_F(FinanceWindow, AMillionDollarLoanReadsWholeInItsBoxes)
{
    set("Txt_N", "360");
    set("Txt_PV", "-1000000");
    click("Cmd_PMT");
    ASSERT_EQ(text("Txt_PV"), "($1,000,000.00)");
    for (const char* b : kBoxes) {
        const QLineEdit* e = box(b);
        EXPECT_LE(e->fontMetrics().horizontalAdvance(e->text()), textRoom(e)) << b << " " << e->text().toStdString();
    }
    // Longer still, the box shows where the amount begins, as a written box
    // did; a box written with the text it held keeps its caret.
    set("Txt_PV", "-1000000000");
    const QStringList before = all();
    QList<int> carets;
    for (const char* b : kBoxes) carets << box(b)->cursorPosition();
    click("Cmd_PMT");
    for (int i = 0; i < before.size(); ++i)
        EXPECT_EQ(box(kBoxes[i])->cursorPosition(), box(kBoxes[i])->text() == before[i] ? carets[i] : 0) << kBoxes[i];
}

TEST_F(FinanceWindow, ResetKeepsNumbersAndRestoresWhatDoesNotRead)
{
    set("Txt_N", "60");
    set("Txt_i_perc", "5");
    set("Txt_Pay_per_year", "4");
    set("Txt_PV", "2000");
    set("Txt_PMT", "7");
    set("Txt_FV", "0");
    click("Btn_Resetvalues");
    EXPECT_EQ(status(), "");
    // pmt(0.05/4;60;2000;0;0) = -47.5822
    EXPECT_EQ(all(), QStringList({"60", "5.00", "4", "$2,000.00", "($47.58)", "$0.00"}));

    set("Txt_N", "");
    set("Txt_Pay_per_year", "12");
    set("Txt_i_perc", "6");
    set("Txt_PV", "100000");
    click("Btn_Resetvalues");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(all(), kOpening);
}

TEST_F(FinanceWindow, KeyFiltersAndTheStatusLabel)
{
    struct Case {
        const char* box;
        const char* keys;
        const char* result;
    } cases[] = {
        {"Txt_N", "12a.-5", "125"},
        {"Txt_i_perc", "-7.5.x", "7.5."},
        {"Txt_Pay_per_year", "1052", "152"},
        {"Txt_PV", "1-2+3..e", "1-2+3.."},
        {"Txt_PMT", "-5", "-5"},
        {"Txt_FV", ",5", "5"},
    };
    for (const Case& c : cases) {
        set(c.box, "");
        type(c.box, c.keys);
        EXPECT_EQ(text(c.box), c.result) << c.box;
        // Backspace is a refused key like any other.
        QTest::keyClick(box(c.box), Qt::Key_Backspace);
        EXPECT_EQ(text(c.box), c.result) << c.box;
    }

    // Every key press, refused or not, clears the status label.
    for (const char* b : kBoxes) {
        child<QLabel>(win, "Lbl_stat_fin")->setText("Error");
        QTest::keyClick(box(b), Qt::Key_Z);
        EXPECT_EQ(status(), "") << b;
    }

    // "1-2" types into a money box and then reads as no number.
    reopen();
    set("Txt_PV", "");
    type("Txt_PV", "1-2");
    click("Cmd_PMT");
    EXPECT_EQ(status(), "Error");
    EXPECT_EQ(text("Txt_PV"), "$100,000.00");
}

TEST_F(FinanceWindow, FocusOnABoxClearsTheStatusLabel)
{
    set("Txt_PV", "");
    click("Cmd_FV");
    ASSERT_EQ(status(), "Error");
    box("Txt_PMT")->setFocus();
    EXPECT_EQ(status(), "");
}

TEST_F(FinanceWindow, ReopeningStartsAfresh)
{
    child<QRadioButton>(win, "Opt_beg_per")->click();
    set("Txt_N", "");
    set("Txt_i_perc", "9");
    reopen();
    EXPECT_EQ(all(), kOpening);
    EXPECT_TRUE(child<QRadioButton>(win, "Opt_end_per")->isChecked());
    click("Cmd_PMT");
    EXPECT_EQ(text("Txt_PMT"), "($1,110.21)"); // due at the end again
}

TEST_F(FinanceWindow, TabOrder)
{
    const char* order[] = {"Txt_N", "Txt_PV", "Txt_PMT", "Txt_FV", "Txt_i_perc", "Txt_Pay_per_year",
                           "Opt_beg_per", "Opt_end_per", "Cmd_N", "Cmd_i_per_year", "Cmd_PV", "Cmd_PMT",
                           "Cmd_FV", "Btn_Resetvalues"};
    for (size_t i = 1; i < std::size(order); ++i) {
        QWidget* w = win->findChild<QWidget*>(order[i - 1]);
        ASSERT_NE(w, nullptr) << order[i - 1];
        // The chain itself: of the two options only the chosen one is a Tab stop.
        do w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
        EXPECT_EQ(w->objectName(), order[i]) << "after " << order[i - 1];
    }
}

// Under a comma locale every solve still works: typed numbers read with
// ".", the shown amounts read back as the locale's currency.
TEST_F(FinanceWindow, ACommaLocaleReadsTypedNumbersAndShownAmounts)
{
    win->unload();
    PinnedLocale german("de_DE");
    open();
    EXPECT_EQ(text("Txt_PV"), QString::fromUtf8("100.000,00\u00a0€"));
    EXPECT_EQ(text("Txt_PMT"), QString::fromUtf8("-1.110,21\u00a0€"));
    click("Cmd_FV");
    EXPECT_EQ(status(), "");
    EXPECT_EQ(text("Txt_FV"), QString::fromUtf8("0,82\u00a0€"));
    set("Txt_PV", "");
    type("Txt_PV", "1.000");
    set("Txt_FV", "0");
    click("Cmd_PMT"); // pmt(0.005;120;1) = -0.0111: "1.000" is 1
    EXPECT_EQ(status(), "");
    EXPECT_EQ(text("Txt_PV"), QString::fromUtf8("1,00\u00a0€"));
    EXPECT_EQ(text("Txt_PMT"), QString::fromUtf8("-0,01\u00a0€"));
    win->unload();
    win = nullptr;
}

// The desktop's own locale, as the program finds it (scripts/test runs this
// program once under each of several, LC_ALL set):
// every solve reads back the amounts the window shows, in the locale's digits,
// separators, symbol and direction marks, and a typed number still reads with
// ".".
TEST_F(FinanceWindow, EverySolveReadsBackTheAmountsOfTheDesktopLocale)
{
    win->unload();
    PinnedLocale desktop(QLocale::system());
    // A currency of whole units (the rial) shows the payment as -1110 and
    // computes the rest from that.
    const bool cents = rt::formatCurrency(0.01) != rt::formatCurrency(0);
    auto amount = [cents](double inCents, double inWholeUnits) { return rt::formatCurrency(cents ? inCents : inWholeUnits); };
    const struct {
        const char* button;
        const char* box;
        QString expected;
    } cases[] = {
        {"Cmd_PMT", "Txt_PMT", amount(-1110.21, -1110)},
        {"Cmd_FV", "Txt_FV", amount(0.82, -34)},
        {"Cmd_PV", "Txt_PV", amount(100000.45, 99982)},
        {"Cmd_N", "Txt_N", "120"},
        {"Cmd_i_per_year", "Txt_i_perc", "6.00"},
    };
    for (const auto& c : cases) {
        open();
        click(c.button);
        EXPECT_EQ(status(), "") << c.button;
        EXPECT_EQ(text(c.box), c.expected) << c.button;
        // Once more on what it shows: the amounts read back as themselves.
        const QStringList shown = all();
        click(c.button);
        EXPECT_EQ(status(), "") << c.button << " again";
        EXPECT_EQ(all(), shown) << c.button << " again";
        win->unload();
    }

    // A typed number, and an amount pasted as the locale writes it.
    for (bool typed : {true, false}) {
        open();
        if (typed) {
            set("Txt_PV", "");
            type("Txt_PV", "2000.5");
        } else {
            pasteFromMenu(box("Txt_PV"), rt::formatCurrency(2000.5));
        }
        click("Cmd_PMT"); // pmt(0.005;120;2000.5) = -22.21
        EXPECT_EQ(status(), "") << typed;
        EXPECT_EQ(text("Txt_PV"), rt::formatCurrency(2000.5)) << typed;
        EXPECT_EQ(text("Txt_PMT"), rt::formatCurrency(-22.209)) << typed;
        win->unload();
    }
    win = nullptr;
}

} // namespace
