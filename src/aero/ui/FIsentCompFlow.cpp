#include "aero/ui/FIsentCompFlow.h"

#include <QLabel>

namespace {
const FlowLayout::Design kDesign{
    "1-D Isentropic Compressible Flow",
    {"txtMach", "", "Mach:", "0"},
    {{
        {"txtMStar", "Mach_star", "M*:", "0"},
        {"TxtPt2Ps", "", "Pt /  Ps:", "0"},
        {"TxtTt2Ts", "", "Tt / Ts:", "0"},
        {"TxtRt2Rs", "lbl_rho", "dens._ t /dens._ s:", "0"},
        {"TxtA2AStar", "", "A / A*:", "0"},
        {"Txtq2Pt", "", "q / Pt:", "0"},
    }},
    {"s => Static Conditions", "t => Total (isnetropic stagnation) condition", "* => Coniditon where M=1.0"},
};
} // namespace

FIsentCompFlow::FIsentCompFlow() : FlowWindow("FIsentCompFlow", "1D Isentropic Compressible FLow", kDesign, {0, 0, 1.05}) {}

FIsentCompFlow::~FIsentCompFlow() = default;

void FIsentCompFlow::newModel(double mach, double gama)
{
    flow_ = std::make_unique<CFlow1dis>();
    flow_->setzen_Mach(mach);
    flow_->setzen_gama(gama);
}

std::array<double, 6> FIsentCompFlow::ratios(double mach, double gama)
{
    flow_->setzen_Mach_gama(mach, gama);
    return {flow_->out_Mstar(), flow_->out_Pt2Ps(),    flow_->out_Tt2Ts(),
            flow_->out_Rt2Rs(), flow_->out_A2AStar(), flow_->out_q2Pt()};
}

void FIsentCompFlow::Form_Load()
{
    FlowWindow::Form_Load();
    // Greek rho: the design built it from a code-page character.
    ui_.outputLabels[3]->setText(QStringLiteral("\u03C1t /\u03C1s"));
}
