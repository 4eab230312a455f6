#pragma once
// Isentropic-flow ratios for a typed Mach number and gamma, recomputed on
// every change of either box.
#include "aero/CFlow1dis.h"
#include "aero/ui/FlowLayout.h"
#include "shell/ui/ToolWindow.h"

#include <memory>

class FIsentCompFlow : public ToolWindow {
    Q_OBJECT
public:
    FIsentCompFlow();
    ~FIsentCompFlow() override;

    void txtMach_Change();
    void TxtGama_Change();
    void txtMach_KeyPress(int& keyAscii);
    void TxtGama_KeyPress(int& keyAscii);
    void Fpcalcpopulall();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    FlowLayout::Widgets ui_;
    std::unique_ptr<CFlow1dis> flow_;
    double mach_ = 0, lastMach_ = 0;
    double gama_ = 1.4, lastGama_ = 1.4;
};
