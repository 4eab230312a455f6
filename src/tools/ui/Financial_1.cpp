#include "tools/ui/Financial_1.h"

#include "runtime/Currency.h"
#include "runtime/Error.h"
#include "runtime/Financial.h"
#include "runtime/Format.h"
#include "runtime/Parse.h"
#include "runtime/Checked.h"
#include "shell/ui/Controls.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <utility>

Financial_1::Financial_1() : ToolWindow("Financial_1")
{
    setWindowTitle("Financial");
    setClientSize(4530, 4680);
}

void Financial_1::setupUi(QWidget* body)
{
    auto* frame = Controls::frame(body, "Frame1", "Financial", Twips::rect(60, 15, 4455, 4620));
    // Captions sit on the frame's top line and the contents start at its top
    // edge, so the designed positions inside the frames hold.
    frame->setStyleSheet("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
                         "QGroupBox::title { subcontrol-origin: border; subcontrol-position: top left;"
                         " left: 6px; top: -7px; padding: 0 2px; }");

    auto label = [](QWidget* parent, const char* name, const QString& text, QRect r) {
        return Controls::label(parent, name, text, r, Qt::AlignRight | Qt::AlignVCenter);
    };
    auto box = [this, frame](const char* name, const QString& text, QRect r, const QString& keys) {
        QLineEdit* t = Controls::textBox(frame, name, text, r);
        t->installEventFilter(this); // the focus handler
        // The window reads the boxes when a button is pressed, whatever
        // text they hold by then: they have no change handler.
        NumberBox::of(t).accepts(keys).onKeyPress([this](int&) { Lbl_stat_fin->clear(); });
        return t;
    };
    auto button = [this](QWidget* parent, const char* name, const QString& text, QRect r, void (Financial_1::*click)()) {
        QPushButton* b = Controls::button(parent, name, text, r);
        connect(b, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
        return b;
    };

    Lbl_stat_fin = Controls::label(frame, "Lbl_stat_fin", QString(), Twips::rect(3120, 150, 1245, 510));
    Controls::setFontSize(Lbl_stat_fin, 13.5);
    Lbl_stat_fin->setStyleSheet("color: red;");

    const QString money = ".-+0123456789";
    // The desktop font is wider than the design's: this caption reaches
    // further left and sits a little tighter, so it is not clipped.
    auto* label3 = label(frame, "Label3", "Total Number of Payments:", Twips::rect(30, 555, 2175, 285));
    QFont tight = label3->font();
    tight.setLetterSpacing(QFont::PercentageSpacing, 95);
    label3->setFont(tight);
    Txt_N = box("Txt_N", "120", Twips::rect(2235, 555, 675, 285), "0123456789");
    label(frame, "Label4", "i % year:", Twips::rect(960, 840, 1215, 285));
    // The five wide boxes are wider than designed (1155): in the desktop font
    // an amount such as "($1,000,000.00)" would not fit.
    const int wide = 1560;
    Txt_i_perc = box("Txt_i_perc", "6.00", Twips::rect(2220, 840, wide, 285), ".0123456789");
    label(frame, "Label7", "Payments/Year:", Twips::rect(840, 1140, 1335, 285));
    // The box takes no "0" key: a count of payments a year is typed without one
    // (so 10 or 360 cannot be typed; 12, 4 or 1 can).
    Txt_Pay_per_year = box("Txt_Pay_per_year", "12", Twips::rect(2220, 1140, wide, 285), "123456789");
    label(frame, "Label5", "PV:", Twips::rect(1740, 1485, 435, 285));
    Txt_PV = box("Txt_PV", QString(), Twips::rect(2235, 1485, wide, 285), money);
    label(frame, "Label6", "PMT:", Twips::rect(1740, 1860, 435, 300));
    Txt_PMT = box("Txt_PMT", QString(), Twips::rect(2220, 1860, wide, 315), money);
    label(frame, "Label8", "FV:", Twips::rect(1740, 2220, 435, 255));
    Txt_FV = box("Txt_FV", QString(), Twips::rect(2220, 2220, wide, 255), money);

    auto* frame4 = Controls::frame(frame, "Frame4", "Due begin/end period", Twips::rect(105, 2550, 4260, 510));
    Opt_beg_per = Controls::option(frame4, "Opt_beg_per", "Begin", Twips::rect(105, 225, 1455, 240));
    Opt_end_per = Controls::option(frame4, "Opt_end_per", "End", Twips::rect(2760, 210, 1410, 240));
    Opt_end_per->setChecked(true);

    auto* frame2 = Controls::frame(frame, "Frame2", "Calculate:", Twips::rect(90, 3120, 4260, 585));
    auto* cmdN = button(frame2, "Cmd_N", "N", Twips::rect(105, 225, 705, 285), &Financial_1::Cmd_N_Click);
    auto* cmdI = button(frame2, "Cmd_i_per_year", "i%y", Twips::rect(870, 225, 780, 285),
                        &Financial_1::Cmd_i_per_year_Click);
    auto* cmdPV = button(frame2, "Cmd_PV", "PV", Twips::rect(1710, 225, 780, 285), &Financial_1::Cmd_PV_Click);
    auto* cmdPMT = button(frame2, "Cmd_PMT", "PMT", Twips::rect(2580, 225, 780, 285), &Financial_1::Cmd_PMT_Click);
    auto* cmdFV = button(frame2, "Cmd_FV", "FV", Twips::rect(3420, 240, 690, 285), &Financial_1::Cmd_FV_Click);

    Label9 = Controls::label(frame, "Label9", QString(), Twips::rect(105, 3780, 4260, 360));
    Label9->setWordWrap(true);
    auto* reset = button(frame, "Btn_Resetvalues", "Reset Values", Twips::rect(3120, 4230, 1140, 300),
                         &Financial_1::Btn_Resetvalues_Click);

    setKeyboardOrder({Txt_N, Txt_PV, Txt_PMT, Txt_FV, Txt_i_perc, Txt_Pay_per_year, Opt_beg_per, Opt_end_per, cmdN,
                      cmdI, cmdPV, cmdPMT, cmdFV, reset});

    // Connected after building, so the design's selection of "End" runs nothing.
    connect(Opt_beg_per, &QRadioButton::toggled, this, [this](bool on) { if (on) Opt_beg_per_Click(); });
    connect(Opt_end_per, &QRadioButton::toggled, this, [this](bool on) { if (on) Opt_end_per_Click(); });
}

void Financial_1::Form_Load()
{
    zero_limit = rt::pow(10, -3);
    Opt_end_per->setChecked(true);
    Opt_beg_per->setChecked(false);
    due_type = 0;
    Label9->setText("Note: All fields must be filled properly before calculation");
    Btn_Resetvalues_Click();
}


bool Financial_1::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && Lbl_stat_fin) Lbl_stat_fin->clear();
    return ToolWindow::eventFilter(watched, e);
}

// Reset values go into the members only: a box that reads keeps its number,
// a box that does not gets the reset value back from the display step.
void Financial_1::Btn_Resetvalues_Click()
{
    N = 120;
    pay_per_year = 12;
    i_perc_year = 10;
    PV = 100000;
    PMT = 0;
    FV = 0;
    Cmd_PMT_Click();
}

void Financial_1::Opt_beg_per_Click()
{
    Opt_end_per->setChecked(false);
    due_type = 1;
}

void Financial_1::Opt_end_per_Click()
{
    Opt_beg_per->setChecked(false);
    due_type = 0;
}

void Financial_1::error() { Lbl_stat_fin->setText("Error"); }

template <class F>
void Financial_1::part(F&& f)
{
    try {
        f();
    } catch (const rt::RuntimeError&) {
        error();
    }
}

double Financial_1::number(QLineEdit* box) const { return rt::cdblAmount(box->text()); }
int16_t Financial_1::count(QLineEdit* box) const { return rt::cint(number(box)); }

void Financial_1::ratePerPeriod()
{
    // The rate's divisor is a 16-bit whole number: 328 payments a year and more
    // overflow.
    const int hundredths = pay_per_year * 100;
    if (hundredths < -32768 || hundredths > 32767) rt::raise(rt::Err::Overflow);
    i_period = (rt::Checked(i_perc_year) / hundredths).v;
}

double Financial_1::aboveZeroLimit(double value) const
{
    return std::fabs(value) < zero_limit ? 0 : value;
}

void Financial_1::Cmd_FV_Click()
{
    try {
        pay_per_year = count(Txt_Pay_per_year);
        if (pay_per_year == 0) return error();
        FV = 0;
        i_perc_year = number(Txt_i_perc);
        ratePerPeriod();
        N = count(Txt_N);
        PV = number(Txt_PV);
        PMT = number(Txt_PMT);
        FV = aboveZeroLimit(rt::FV(i_period, N, PMT, PV, due_type));
        show_all_fields();
    } catch (const rt::RuntimeError&) {
        error();
    }
}

void Financial_1::Cmd_i_per_year_Click()
{
    try {
        pay_per_year = count(Txt_Pay_per_year);
        if (pay_per_year == 0) return error();
        N = count(Txt_N);
        PV = number(Txt_PV);
        FV = number(Txt_FV);
        PMT = number(Txt_PMT);
        i_perc_year = rt::Rate(N, PMT, PV, FV, due_type) * pay_per_year * 100;
        show_all_fields();
    } catch (const rt::RuntimeError&) {
        error();
    }
}

// The unknown starts at 0, so a solve that fails shows 0 for it. Every other
// step is a part of its own: a box that does not read keeps its last value.
template <class T, class Solve>
void Financial_1::solveFor(QLineEdit* box, T& unknown, Solve&& solve)
{
    part([&] { pay_per_year = count(Txt_Pay_per_year); });
    if (pay_per_year == 0) return error();
    unknown = 0;
    part([&] { i_perc_year = number(Txt_i_perc); });
    part([&] { ratePerPeriod(); });
    if (box != Txt_N) part([&] { N = count(Txt_N); });
    for (auto [amountBox, amount] : {std::pair{Txt_PV, &PV}, {Txt_PMT, &PMT}, {Txt_FV, &FV}})
        if (amountBox != box) part([&] { *amount = number(amountBox); });
    part([&] { unknown = solve(); });
    part([&] { show_all_fields(); });
}

void Financial_1::Cmd_PMT_Click()
{
    solveFor(Txt_PMT, PMT, [this] { return aboveZeroLimit(rt::Pmt(i_period, N, PV, FV, due_type)); });
}

void Financial_1::Cmd_PV_Click()
{
    solveFor(Txt_PV, PV, [this] { return aboveZeroLimit(rt::PV(i_period, N, PMT, FV, due_type)); });
}

void Financial_1::Cmd_N_Click()
{
    solveFor(Txt_N, N, [this] { return rt::cint(rt::NPer(i_period, PMT, PV, FV, due_type)); });
}

void Financial_1::show_all_fields()
{
    NumberBox::of(Txt_N).show(rt::format(N, u"#0"));
    NumberBox::of(Txt_Pay_per_year).show(rt::format(pay_per_year, u"#0"));
    NumberBox::of(Txt_i_perc).show(rt::format(i_perc_year, u"#0.00"));
    NumberBox::of(Txt_PV).show(rt::format(PV, u"currency"));
    NumberBox::of(Txt_PMT).show(rt::format(PMT, u"currency"));
    NumberBox::of(Txt_FV).show(rt::format(FV, u"currency"));
}
