#include "aero/ui/F1DShockFlow.h"

namespace {
using Shock = CFlow1DShockNormal;

const FlowLayout::Design kShockDesign{
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

const FlowModelWindow<Shock>::Calls kShockModel{
    &Shock::setzen_Mx_gama,
    {&Shock::out_My, &Shock::out_Psy2Psx, &Shock::out_Pty2Ptx, &Shock::out_Tsy2Tsx, &Shock::out_Tsy2Ttx, &Shock::out_Rhsy2Rhsx},
};
} // namespace

F1DShockFlow::F1DShockFlow()
    : FlowModelWindow("F1DShockFlow", "1D Normal Shock Flow", kShockDesign, {1.0, 1.0, 1.01}, kShockModel)
{
}
