#pragma once
// The time-value-of-money window: six boxes (number of payments, interest
// per year, payments per year, present value, payment, future value), the
// due-type options and five buttons that each solve one quantity from the
// others and then rewrite all six boxes in their display formats.
#include "shell/ui/ToolWindow.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QRadioButton;

class Financial_1 : public ToolWindow {
    Q_OBJECT
public:
    Financial_1();

    void Btn_Resetvalues_Click();
    void Cmd_N_Click();
    void Cmd_i_per_year_Click();
    void Cmd_PV_Click();
    void Cmd_PMT_Click();
    void Cmd_FV_Click();
    void Opt_beg_per_Click();
    void Opt_end_per_Click();
    void show_all_fields();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Solve parts that go on after a failure ("N", "PMT", "PV"): a failed
    // part shows "Error" and the solve continues with the next one.
    template <class F>
    void part(F&& f);
    void error();
    double number(QLineEdit* box) const;
    int16_t count(QLineEdit* box) const;
    void ratePerPeriod();
    // Solves N, PV or PMT (the `unknown` shown in `box`) from the other boxes.
    template <class T, class Solve>
    void solveFor(QLineEdit* box, T& unknown, Solve&& solve);
    // An amount nearer zero than a thousandth shows as 0.
    double aboveZeroLimit(double value) const;

    int16_t N = 0;
    int16_t pay_per_year = 0;
    double i_perc_year = 0;
    double i_period = 0;
    double PV = 0;
    double PMT = 0;
    double FV = 0;
    int16_t due_type = 0;
    double zero_limit = 0;

    QLabel* Lbl_stat_fin = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Txt_N = nullptr;
    QLineEdit* Txt_i_perc = nullptr;
    QLineEdit* Txt_Pay_per_year = nullptr;
    QLineEdit* Txt_PV = nullptr;
    QLineEdit* Txt_PMT = nullptr;
    QLineEdit* Txt_FV = nullptr;
    QRadioButton* Opt_beg_per = nullptr;
    QRadioButton* Opt_end_per = nullptr;
};
