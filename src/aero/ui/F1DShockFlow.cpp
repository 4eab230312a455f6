#include "aero/ui/F1DShockFlow.h"

namespace {
using M = CFlow1DShockNormal;

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

const FlowModelWindow<M>::Calls kModel{
    &M::setzen_Mx_gama,
    {&M::out_My, &M::out_Psy2Psx, &M::out_Pty2Ptx, &M::out_Tsy2Tsx, &M::out_Tsy2Ttx, &M::out_Rhsy2Rhsx},
};
} // namespace

F1DShockFlow::F1DShockFlow()
    : FlowModelWindow("F1DShockFlow", "1D Normal Shock Flow", kDesign, {1.0, 1.0, 1.01}, kModel)
{
}
