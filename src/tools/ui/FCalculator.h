#pragma once
// The two-register scientific calculator. Every result is shown through the
// shared result formatter and x is read back from the shown text, so chained
// operations work on the displayed, rounded value.
#include "shell/ui/ToolWindow.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;

class FCalculator : public ToolWindow {
    Q_OBJECT
public:
    FCalculator();

    void x_val_result_Change();
    void y_val_Change();
    void but_deg_Click();
    void but_rad_Click();
    void Cmd_clear_x_Click();
    void Cmd_clear_y_Click();
    void cmd_swapxy_Click();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    // A button's new x, or nothing when its guard refuses the operands.
    using Operation = std::function<std::optional<double>()>;
    struct Button {
        const char* name;
        const char* caption;
        Operation compute;
    };
    QList<Button> operations();
    void operate(const Operation& compute, bool reportsDivision);
    void showX(double value);
    double toRadians(double a) const;
    double fromRadians(double r) const;

    double x = 0;
    double y = 0;
    double pi = 0;
    short deg_mode = 1;

    QLabel* Lbl_error = nullptr;
    QLineEdit* y_val = nullptr;
    QLineEdit* x_val_result = nullptr;
    QRadioButton* but_deg = nullptr;
    QRadioButton* but_rad = nullptr;
};
