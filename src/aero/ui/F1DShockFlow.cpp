#include "aero/ui/F1DShockFlow.h"

namespace {
const FlowLayout::Design kDesign{
    "1-D Normal ShockFlow",
    {"txtMx", "", "Mx:", "1.00"},
    {{
        {"txtMy", "Mach_star", "My:", "0"},
        {"TxtPsy2Psx", "", "Psy / Psx:", "1"},
        {"TxtPty2Ptx", "", "Pty / Ptx:", "1"},
        {"TxtTsy2Tsx", "", "Tsy / Tsx:", "1"},
        {"TxtTsy2Ttx", "", "Tsy / Ttx:", "1"},
        {"Txtdensy2densx", "", "dens.sy / dens.sx:", "1"},
    }},
    {"s => Static Conditions", "t => Total (isentropic stagnation) condition",
     "x => Condition at front of the shock (normal)", "y => Condition behind normal shock"},
};
} // namespace

F1DShockFlow::F1DShockFlow() : FlowWindow("F1DShockFlow", "1D Normal Shock Flow", kDesign, {1.0, 1.0, 1.01}) {}

F1DShockFlow::~F1DShockFlow() = default;

void F1DShockFlow::newModel(double mach, double gama)
{
    shock_ = std::make_unique<CFlow1DShockNormal>();
    shock_->setzen_Mx(mach);
    shock_->setzen_gama(gama);
}

std::array<double, 6> F1DShockFlow::ratios(double mach, double gama)
{
    shock_->setzen_Mx_gama(mach, gama);
    return {shock_->out_My(),      shock_->out_Psy2Psx(), shock_->out_Pty2Ptx(),
            shock_->out_Tsy2Tsx(), shock_->out_Tsy2Ttx(), shock_->out_Rhsy2Rhsx()};
}
