#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tools/Cl_calculator.h"
#include "tools/ui/FCalculator.h"

#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

namespace {

const double pi = 4 * std::atan(1.0);

class CalculatorWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        MDIForm1::instance().findChild<QAction*>("M1_calc")->trigger();
        win = Forms::existing<FCalculator>();
        ASSERT_NE(win, nullptr);
        ASSERT_TRUE(win->isLoaded());
        xBox = child<QLineEdit>(win, "x_val_result");
        yBox = child<QLineEdit>(win, "y_val");
    }
    void TearDown() override { win->unload(); }

    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(win, name), Qt::LeftButton); }
    // Clears the box with its button (Backspace is refused), selects the "0"
    // with keys that carry no character and types over it.
    void type(QLineEdit* box, const QString& keys)
    {
        click(box == xBox ? "Cmd_clear_x" : "Cmd_clear_y");
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(box, keys);
    }
    void enter(const QString& x, const QString& y)
    {
        type(yBox, y);
        type(xBox, x);
        ASSERT_EQ(xBox->text(), x);
        ASSERT_EQ(yBox->text(), y);
    }

    FCalculator* win = nullptr;
    QLineEdit* xBox = nullptr;
    QLineEdit* yBox = nullptr;
};

TEST_F(CalculatorWindow, OpensFromTheMenuInItsStartState)
{
    EXPECT_EQ(win->windowTitle(), "Calculator");
    EXPECT_FALSE(win->isMdiChild());
    EXPECT_EQ(xBox->text(), "0");
    EXPECT_EQ(yBox->text(), "0");
    EXPECT_TRUE(child<QRadioButton>(win, "but_deg")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(win, "but_rad")->isChecked());
    EXPECT_EQ(child<QPushButton>(win, "cmd_pi")->text(), "pi ()");
    EXPECT_EQ(child<QPushButton>(win, "cmd_swapxy")->text(), "swap x,y");
    EXPECT_EQ(child<QLabel>(win, "Label2")->text(), "Result / x :");
    EXPECT_EQ(child<QPushButton>(win, "cmd_mult")->geometry().left(), 167);  // 2505 twips
    EXPECT_EQ(child<QPushButton>(win, "Cmd_tan")->geometry().left(), 166);   // 2490 twips
}

struct OpCase {
    bool radians;
    const char* x;
    const char* y;
    const char* button;
    const char* shown;
};

TEST_F(CalculatorWindow, ButtonsShowTheirFormattedResult)
{
    const OpCase cases[] = {
        {false, "3", "4", "cmd_Sum", "7.0000"},
        {false, "3", "4", "cmd_Substract", "-1.0000"},
        {false, "3", "4", "cmd_mult", "12.0000"},
        {false, "1", "4", "cmd_Fdiv", "0.2500"},
        {false, "1E-3", "0", "cmd_x2", "1.0000E-06"},
        {false, "-3", "0", "cmd_x3", "-27.0000"},
        {false, "2", "0", "cmd_sqrt", "1.4142"},
        {false, "2", "0.5", "cmd_xtoy", "1.4142"},
        {false, "-2", "3", "cmd_xtoy", "-8.0000"},
        {false, "-2", "-2", "cmd_xtoy", "0.2500"},
        {false, "0", "0", "cmd_10tox", "1.0000"},
        {false, "2", "0", "cmd_10tox", "100.0000"},
        {false, "1000", "0", "cmd_log10", "3.0000"},
        {false, "1", "0", "Cmd_ln", "0.0000"},
        {false, "1", "0", "cmd_exp", "2.7183"},
        {false, "8", "0", "Cmd_invx", "0.1250"},
        {false, "12345.678", "0", "cmd_pi", "3.1416"},
        {false, "30", "0", "Cmd_sin", "0.5000"},
        {false, "60", "0", "Cmd_cos", "0.5000"},
        {false, "45", "0", "Cmd_tan", "1.0000"},
        {false, "0.5", "0", "Cmd_asin", "30.00"},
        {false, "1", "0", "Cmd_asin", "90.0000"},
        {false, "-1", "0", "Cmd_acos", "180.0000"},
        {false, "1", "0", "Cmd_atan", "45.0000"},
        {true, "30", "0", "Cmd_sin", "-9.8803E-01"},
        {true, "1", "0", "Cmd_asin", "1.5708"},
        {true, "-1", "0", "Cmd_acos", "3.1416"},
        {true, "1", "0", "Cmd_atan", "0.7854"},
    };
    rt::MessageRecorder rec;
    for (const OpCase& c : cases) {
        click(c.radians ? "but_rad" : "but_deg");
        enter(c.x, c.y);
        click(c.button);
        EXPECT_EQ(xBox->text(), c.shown) << c.button << " x=" << c.x << " y=" << c.y;
        EXPECT_EQ(yBox->text(), c.y) << c.button;
    }
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("|").toStdString();
    EXPECT_TRUE(child<QLabel>(win, "Lbl_error")->text().isEmpty());
}

TEST_F(CalculatorWindow, AngleModeOptionsExcludeEachOther)
{
    click("but_rad");
    EXPECT_TRUE(child<QRadioButton>(win, "but_rad")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(win, "but_deg")->isChecked());
    click("but_deg");
    EXPECT_TRUE(child<QRadioButton>(win, "but_deg")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(win, "but_rad")->isChecked());
}

TEST_F(CalculatorWindow, ChainedOperationsUseTheShownValue)
{
    enter("2", "0");
    click("cmd_sqrt");
    EXPECT_EQ(xBox->text(), "1.4142");
    click("cmd_x2"); // 1.4142^2 = 1.99996..., not 2
    EXPECT_EQ(xBox->text(), "2.0000");
    click("cmd_pi");
    type(yBox, "3.1416");
    click("cmd_Substract");
    EXPECT_EQ(xBox->text(), "0.0000");
    // A result whose text equals the shown one still leaves x at the shown number.
    enter("2", "1.00001");
    click("cmd_mult");
    click("cmd_mult"); // 2.00002 shows as "2.0000" again
    EXPECT_EQ(xBox->text(), "2.0000");
    type(yBox, "2");
    click("cmd_Substract");
    EXPECT_EQ(xBox->text(), "0.0000");
}

TEST_F(CalculatorWindow, ShownResultsRoundTheirDecimalTextAndReadBackWithThePoint)
{
    enter("0.7866", "4");
    click("cmd_Fdiv"); // 0.19665, a hair below in binary
    EXPECT_EQ(xBox->text(), "0.1967");
    click("cmd_pi");
    EXPECT_EQ(xBox->text(), "3.1416");
    click("cmd_x2"); // the shown 3.1416 read back, squared
    EXPECT_EQ(xBox->text(), "9.8697");
}

TEST_F(CalculatorWindow, RefusedOperandsChangeNothingSilently)
{
    struct Case {
        const char *x, *y, *button, *xPlusZero;
    };
    const Case cases[] = {
        {"-4", "0", "cmd_sqrt", "-4.0000"},      {"-8", "0.5", "cmd_xtoy", "-8.0000"},
        {"1.5", "0", "Cmd_asin", "1.5000"},      {"-1.0001", "0", "Cmd_acos", "-1.0001"},
        {"2", "0", "Cmd_acos", "2.0000"},
    };
    rt::MessageRecorder rec;
    for (const Case& c : cases) {
        enter(c.x, c.y);
        click(c.button);
        EXPECT_EQ(xBox->text(), c.x) << c.button;
        EXPECT_EQ(yBox->text(), c.y) << c.button;
        type(yBox, "0");
        click("cmd_Sum"); // x is still the typed number
        EXPECT_EQ(xBox->text(), c.xPlusZero) << c.button;
    }
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("|").toStdString();
}

TEST_F(CalculatorWindow, BadOperandsAndOverflowShowTheirMessage)
{
    struct Case {
        const char *x, *y, *button, *message;
    };
    const Case cases[] = {
        {"5", "0", "cmd_Fdiv", "Division by 0"},
        {"1E300", "1E-300", "cmd_Fdiv", "Division by 0!"}, // its handler names every failure so
        {"0", "3", "Cmd_invx", "Division by 0!"},
        {"0", "3", "cmd_log10", "Log base 10 of a number <= 0 does not exist!"},
        {"-1", "3", "cmd_log10", "Log base 10 of a number <= 0 does not exist!"},
        {"0", "3", "Cmd_ln", "Ln of a number <= 0 does not exist!"},
        {"1000", "3", "cmd_exp", "Overflow"},
        {"1E200", "3", "cmd_x2", "Overflow"},
        {"1E200", "1E200", "cmd_mult", "Overflow"},
        {"400", "3", "cmd_10tox", "Overflow"},
        {"0", "-1", "cmd_xtoy", "Division by zero"},
    };
    for (const Case& c : cases) {
        rt::MessageRecorder rec;
        enter(c.x, c.y);
        click(c.button);
        EXPECT_EQ(rec.messages, QStringList{c.message}) << c.button << " x=" << c.x;
        EXPECT_EQ(xBox->text(), c.x) << c.button;
    }
    // After "ln(x)" of 0 x is still 0.
    rt::MessageRecorder rec;
    enter("0", "5");
    click("Cmd_ln");
    click("cmd_Sum");
    EXPECT_EQ(xBox->text(), "5.0000");
}

struct KeyCase {
    const char* box;
    const char* typed;
    const char* shown;
};

TEST_F(CalculatorWindow, KeyFiltersRefuseForeignAndRepeatedCharacters)
{
    const KeyCase cases[] = {
        {"x", "1e5e", "1e5e"},     {"x", "1E5E", "1E5"},   {"x", "1e5E", "1e5E"}, {"x", "-1E-5", "-1E5"},
        {"x", "1.2.3", "1.23"},    {"x", "+5+", "+5"},     {"x", "a1 b2,", "12"}, {"y", "1e5", "15"},
        {"y", "1E5E", "1E5"},      {"y", "-2-", "-2"},     {"y", "3.5.", "3.5"},
    };
    for (const KeyCase& c : cases) {
        QLineEdit* box = QByteArray(c.box) == "x" ? xBox : yBox;
        type(box, c.typed);
        EXPECT_EQ(box->text(), c.shown) << c.box << " typed " << c.typed;
    }
    // Backspace is refused, Delete is not a character and passes.
    type(xBox, "12");
    QTest::keyClick(xBox, Qt::Key_Backspace);
    EXPECT_EQ(xBox->text(), "12");
    QTest::keyClick(xBox, Qt::Key_Home);
    QTest::keyClick(xBox, Qt::Key_Delete);
    EXPECT_EQ(xBox->text(), "2");
    click("cmd_x3");
    EXPECT_EQ(xBox->text(), "8.0000");
}

TEST_F(CalculatorWindow, SwapExchangesBoxesAndRegisters)
{
    enter("7", "2");
    click("cmd_swapxy");
    EXPECT_EQ(xBox->text(), "2");
    EXPECT_EQ(yBox->text(), "7");
    click("cmd_Substract");
    EXPECT_EQ(xBox->text(), "-5.0000");
    enter("4", "4");
    click("cmd_swapxy");
    click("cmd_Fdiv");
    EXPECT_EQ(xBox->text(), "1.0000");
}

TEST_F(CalculatorWindow, ClearButtonsZeroTheirRegister)
{
    enter("6", "9");
    click("Cmd_clear_y");
    EXPECT_EQ(yBox->text(), "0");
    click("cmd_Sum");
    EXPECT_EQ(xBox->text(), "6.0000");
    click("Cmd_clear_x");
    EXPECT_EQ(xBox->text(), "0");
    click("cmd_exp");
    EXPECT_EQ(xBox->text(), "1.0000");
}

TEST_F(CalculatorWindow, ReopeningStartsAfresh)
{
    enter("6", "9");
    click("but_rad");
    win->unload();
    MDIForm1::instance().findChild<QAction*>("M1_calc")->trigger();
    xBox = child<QLineEdit>(win, "x_val_result");
    yBox = child<QLineEdit>(win, "y_val");
    EXPECT_EQ(xBox->text(), "0");
    EXPECT_EQ(yBox->text(), "0");
    EXPECT_TRUE(child<QRadioButton>(win, "but_deg")->isChecked());
    click("cmd_Sum");
    EXPECT_EQ(xBox->text(), "0.0000");
    type(xBox, "90");
    click("Cmd_sin");
    EXPECT_EQ(xBox->text(), "1.0000");
}

TEST(CalculatorValue, ArcSineAndCosineOfTheFirstValue)
{
    Cl_calculator c;
    EXPECT_EQ(c.out_asin().toDouble(), 0);
    EXPECT_EQ(c.out_acos().toDouble(), pi / 2);

    struct Case {
        double x, asin, acos;
    };
    const Case cases[] = {{1, pi / 2, 0}, {-1, -pi / 2, pi}, {0.5, pi / 6, pi / 3}, {-0.5, -pi / 6, 2 * pi / 3}};
    for (const Case& k : cases) {
        c.setzen_xval(k.x);
        EXPECT_NEAR(c.out_asin().toDouble(), k.asin, 1e-15) << k.x;
        EXPECT_NEAR(c.out_acos().toDouble(), k.acos, 1e-15) << k.x;
        EXPECT_EQ(c.out_asin().typeId(), QMetaType::Double);
    }
    for (double beyond : {1.5, -1.0000001}) {
        c.setzen_xval(beyond);
        EXPECT_EQ(c.out_asin(), QVariant(QString("Error"))) << beyond;
        EXPECT_EQ(c.out_acos(), QVariant(QString("Error"))) << beyond;
    }
}

TEST(CalculatorValue, ValuesThatAreNoNumberAreReportedAndIgnored)
{
    Cl_calculator c;
    c.setzen_xval(QString("0.5"));
    rt::MessageRecorder rec;
    c.setzen_xval(QString("half"));
    c.setzen_yval(QVariant());
    EXPECT_EQ(rec.messages, (QStringList{"Type mismatch", "Type mismatch"}));
    EXPECT_NEAR(c.out_asin().toDouble(), pi / 6, 1e-15);
    c.setzen_xval(true); // the runtime's True is -1
    EXPECT_EQ(c.out_acos().toDouble(), pi);
}

} // namespace
