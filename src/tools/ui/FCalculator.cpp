#include "tools/ui/FCalculator.h"

#include "runtime/Calculator.h"
#include "runtime/Checked.h"
#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"
#include "runtime/Utilities.h"
#include "shell/ui/Controls.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

bool isWhole(double v) { return v == std::floor(v); }

} // namespace

FCalculator::FCalculator() : ToolWindow("FCalculator")
{
    setWindowTitle("Calculator");
    setClientSize(4440, 4035);
}

QList<FCalculator::Button> FCalculator::operations()
{
    using R = std::optional<double>;
    const auto silent = std::nullopt;
    auto refuse = [](const char* message) -> R {
        rt::showMessage(message);
        return std::nullopt;
    };
    return {
        {"cmd_Sum", "x + y", [this]() -> R { return (rt::Checked(y) + x).v; }},
        {"cmd_Substract", "x - y", [this]() -> R { return (rt::Checked(x) - y).v; }},
        {"cmd_mult", "x * y", [this]() -> R { return (rt::Checked(y) * x).v; }},
        {"cmd_Fdiv", "x / y", [this, refuse]() -> R { return y == 0 ? refuse("Division by 0") : (rt::Checked(x) / y).v; }},
        {"cmd_x2", "x^2", [this]() -> R { return (rt::Checked(x) * x).v; }},
        {"cmd_x3", "x^3", [this]() -> R { return (rt::Checked(x) * x * x).v; }},
        {"cmd_sqrt", "sqrt(x)", [this, silent]() -> R { return x < 0 ? silent : R(rt::sqrt(x)); }},
        // A negative base has a real power only for a whole exponent.
        {"cmd_xtoy", "x^y", [this, silent]() -> R { return x < 0 && !isWhole(y) ? silent : R(rt::pow(x, y)); }},
        {"cmd_10tox", "10^x", [this]() -> R { return rt::pow(10, x); }},
        {"cmd_log10", "log10(x)",
         [this, refuse]() -> R {
             return x <= 0 ? refuse("Log base 10 of a number <= 0 does not exist!") : rt::log(x) / rt::log(10);
         }},
        {"Cmd_ln", "ln(x)",
         [this, refuse]() -> R { return x <= 0 ? refuse("Ln of a number <= 0 does not exist!") : rt::log(x); }},
        {"cmd_exp", "exp(x)", [this]() -> R { return rt::exp(x); }},
        {"Cmd_sin", "sin(x)", [this]() -> R { return rt::sin(toRadians(x)); }},
        {"Cmd_cos", "cos(x)", [this]() -> R { return rt::cos(toRadians(x)); }},
        {"Cmd_tan", "tan(x)", [this]() -> R { return rt::tan(toRadians(x)); }},
        {"Cmd_invx", "1/x", [this, refuse]() -> R { return x == 0 ? refuse("Division by 0!") : (rt::Checked(1) / x).v; }},
        {"Cmd_asin", "asin(x)",
         [this, silent]() -> R { return std::fabs(x) > 1 ? silent : R(fromRadians(Calculator::arcsin(x))); }},
        {"Cmd_acos", "acos(x)",
         [this, silent]() -> R { return std::fabs(x) > 1 ? silent : R(fromRadians(Calculator::arccos(x))); }},
        {"Cmd_atan", "atan(x)", [this]() -> R { return fromRadians(rt::atn(x)); }},
        {"cmd_pi", "pi ()", []() -> R { return 4 * std::atan(1.0); }},
    };
}

void FCalculator::setupUi(QWidget* body)
{
    Controls::label(body, "Lab_Status", "Status:", Twips::rect(240, 240, 915, 240));
    Lbl_error = Controls::label(body, "Lbl_error", QString(), Twips::rect(1230, 240, 2040, 240));
    Controls::label(body, "Label1", "y:", Twips::rect(285, 555, 825, 240));
    y_val = Controls::textBox(body, "y_val", "0", Twips::rect(1185, 555, 2130, 285));
    auto* clearY = Controls::button(body, "Cmd_clear_y", "Clear (y)", Twips::rect(3435, 570, 825, 285));
    // Wider than designed so the desktop font neither clips the colon nor
    // runs it into the box. Its text stands at the top of the tall caption,
    // level with the x box's.
    Controls::label(body, "Label2", "Result / x :", Twips::rect(240, 960, 930, 330), Qt::AlignLeft | Qt::AlignTop);
    x_val_result = Controls::textBox(body, "x_val_result", "0", Twips::rect(1185, 885, 2130, 285));
    auto* clearX = Controls::button(body, "Cmd_clear_x", "Clear (x)", Twips::rect(3435, 930, 825, 285));

    auto* frame = Controls::frame(body, "Frame2", QString(), Twips::rect(240, 1275, 4110, 555));
    but_deg = Controls::option(frame, "but_deg", "Deg", Twips::rect(135, 180, 645, 285));
    but_rad = Controls::option(frame, "but_rad", "Rad", Twips::rect(900, 180, 690, 285));
    auto* swap = Controls::button(frame, "cmd_swapxy", "swap x,y", Twips::rect(3195, 180, 825, 285));

    // Five rows of four; the third column of the first row stands 15 twips
    // further right than the others.
    const int tops[] = {1950, 2400, 2805, 3210, 3615};
    const int lefts[] = {285, 1365, 2490, 3525};
    const QList<Button> ops = operations();
    for (int i = 0; i < ops.size(); ++i) {
        const int row = i / 4, col = i % 4;
        const int left = row == 0 && col == 2 ? 2505 : lefts[col];
        auto* b = Controls::button(body, ops[i].name, ops[i].caption, Twips::rect(left, tops[row], 780, 285));
        const bool division = QByteArray(ops[i].name) == "cmd_Fdiv";
        connect(b, &QPushButton::clicked, this, [this, f = ops[i].compute, division] { operate(f, division); });
    }

    // Case matters: "e" may repeat and does not block "E"; y takes no "e".
    auto clearStatus = [this](int&) { Lbl_error->clear(); };
    NumberBox& xBox = NumberBox::of(x_val_result).accepts(".Ee-+0123456789", ".E-+").onKeyPress(clearStatus);
    xBox.keeps([this] { return x; });
    connect(&xBox, &NumberBox::changed, this, [this] { x_val_result_Change(); });
    NumberBox& yBox = NumberBox::of(y_val).accepts(".E-+0123456789", ".E-+").onKeyPress(clearStatus);
    yBox.keeps([this] { return y; });
    connect(&yBox, &NumberBox::changed, this, [this] { y_val_Change(); });
    connect(but_deg, &QRadioButton::toggled, this, [this](bool on) { if (on) but_deg_Click(); });
    connect(but_rad, &QRadioButton::toggled, this, [this](bool on) { if (on) but_rad_Click(); });
    connect(clearX, &QPushButton::clicked, this, [this] { Cmd_clear_x_Click(); });
    connect(clearY, &QPushButton::clicked, this, [this] { Cmd_clear_y_Click(); });
    connect(swap, &QPushButton::clicked, this, [this] { cmd_swapxy_Click(); });
}

void FCalculator::Form_Load()
{
    x = 0;
    y = 0;
    pi = 4 * std::atan(1.0);
    deg_mode = 1;
    but_deg->setChecked(true);
    but_rad->setChecked(false);
}

void FCalculator::x_val_result_Change()
{
    Lbl_error->clear();
    rt::trap([&] { x = NumberBox::of(x_val_result).number(); });
}

void FCalculator::y_val_Change()
{
    Lbl_error->clear();
    rt::trap([&] { y = NumberBox::of(y_val).number(); });
}

void FCalculator::operate(const Operation& compute, bool reportsDivision)
{
    Lbl_error->clear();
    try {
        if (const std::optional<double> r = compute()) showX(*r);
    } catch (const rt::RuntimeError& e) {
        if (reportsDivision) rt::showMessage("Division by 0!");
        else rt::report(e);
    }
}

void FCalculator::showX(double value)
{
    x = value;
    const QString shown = Utilities::format_result(x);
    // x must end up as the shown number even when the text stays the same.
    if (x_val_result->text() == shown) x_val_result_Change();
    else NumberBox::of(x_val_result).show(shown);
}

double FCalculator::toRadians(double a) const { return deg_mode == 1 ? a * pi / 180 : a; }
double FCalculator::fromRadians(double r) const { return deg_mode == 1 ? r * 180 / pi : r; }

void FCalculator::but_deg_Click()
{
    deg_mode = 1;
    but_deg->setChecked(true);
    but_rad->setChecked(false);
}

void FCalculator::but_rad_Click()
{
    deg_mode = 0;
    but_rad->setChecked(true);
    but_deg->setChecked(false);
}

void FCalculator::Cmd_clear_x_Click()
{
    Lbl_error->clear();
    x = 0;
    NumberBox::of(x_val_result).show("0");
}

void FCalculator::Cmd_clear_y_Click()
{
    Lbl_error->clear();
    y = 0;
    NumberBox::of(y_val).show("0");
}

void FCalculator::cmd_swapxy_Click()
{
    Lbl_error->clear();
    const double formerX = x, formerY = y;
    const QString shownX = x_val_result->text();
    NumberBox::of(x_val_result).show(y_val->text());
    NumberBox::of(y_val).show(shownX);
    x = formerY;
    y = formerX;
}
