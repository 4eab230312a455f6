#include "aero/ui/FIsentCompFlow.h"

namespace {
using Isentropic = CFlow1dis;

const FlowLayout::Design kIsentropicDesign{
    "1-D Isentropic Compressible Flow",
    {"txtMach", "", "Mach:", "0"},
    {{
        {"txtMStar", "Mach_star", "M*:", "0"},
        {"TxtPt2Ps", "", "Pt /  Ps:", "0"},
        {"TxtTt2Ts", "", "Tt / Ts:", "0"},
        {"TxtRt2Rs", "lbl_rho", "dens._ t /dens._ s:", "0", "\u03C1t /\u03C1s"},
        {"TxtA2AStar", "", "A / A*:", "0"},
        {"Txtq2Pt", "", "q / Pt:", "0"},
    }},
    {"s => Static Conditions", "t => Total (isnetropic stagnation) condition", "* => Coniditon where M=1.0"},
};

const FlowModelWindow<Isentropic>::Calls kIsentropicModel{
    &Isentropic::setzen_Mach_gama,
    {&Isentropic::out_Mstar, &Isentropic::out_Pt2Ps, &Isentropic::out_Tt2Ts, &Isentropic::out_Rt2Rs, &Isentropic::out_A2AStar, &Isentropic::out_q2Pt},
};
} // namespace

FIsentCompFlow::FIsentCompFlow()
    : FlowModelWindow("FIsentCompFlow", "1D Isentropic Compressible FLow", kIsentropicDesign, {0, 0, 1.05}, kIsentropicModel)
{
}
