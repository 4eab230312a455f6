#pragma once
// Isentropic-flow ratios for a typed Mach number and gamma, recomputed on
// every change of either box.
#include "aero/CFlow1dis.h"
#include "aero/ui/FlowWindow.h"

#include <memory>

class FIsentCompFlow : public FlowWindow {
    Q_OBJECT
public:
    FIsentCompFlow();
    ~FIsentCompFlow() override;

    void txtMach_Change() { machChanged(); }
    void TxtGama_Change() { gamaChanged(); }
    void txtMach_KeyPress(int& keyAscii) { machKeyPress(keyAscii); }
    void TxtGama_KeyPress(int& keyAscii) { gamaKeyPress(keyAscii); }
    void Fpcalcpopulall() { populate(); }

protected:
    void newModel(double mach, double gama) override;
    std::array<double, 6> ratios(double mach, double gama) override;
    void Form_Load() override;

private:
    std::unique_ptr<CFlow1dis> flow_;
};
