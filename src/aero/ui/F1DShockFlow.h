#pragma once
// Normal-shock relations for a typed upstream Mach number and gamma,
// recomputed on every change of either box.
#include "aero/CFlow1DShockNormal.h"
#include "aero/ui/FlowWindow.h"

#include <memory>

class F1DShockFlow : public FlowWindow {
    Q_OBJECT
public:
    F1DShockFlow();
    ~F1DShockFlow() override;

    void txtMx_Change() { machChanged(); }
    void TxtGama_Change() { gamaChanged(); }
    void txtMx_KeyPress(int& keyAscii) { machKeyPress(keyAscii); }
    void TxtGama_KeyPress(int& keyAscii) { gamaKeyPress(keyAscii); }
    void Fpcalcpopulall() { populate(); }

protected:
    void newModel(double mach, double gama) override;
    std::array<double, 6> ratios(double mach, double gama) override;

private:
    std::unique_ptr<CFlow1DShockNormal> shock_;
};
