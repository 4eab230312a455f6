#pragma once
// Normal-shock relations for a typed upstream Mach number and gamma,
// recomputed on every change of either box.
#include "aero/CFlow1DShockNormal.h"
#include "aero/ui/FlowLayout.h"
#include "shell/ui/ToolWindow.h"

#include <memory>

class F1DShockFlow : public ToolWindow {
    Q_OBJECT
public:
    F1DShockFlow();
    ~F1DShockFlow() override;

    void txtMx_Change();
    void TxtGama_Change();
    void txtMx_KeyPress(int& keyAscii);
    void TxtGama_KeyPress(int& keyAscii);
    void Fpcalcpopulall();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    FlowLayout::Widgets ui_;
    std::unique_ptr<CFlow1DShockNormal> shock_;
    double mx_ = 1.0, lastMx_ = 1.0;
    double gama_ = 1.4, lastGama_ = 1.4;
};
