#include "aero/ui/FIsentCompFlow.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "shell/Utilities.h"
#include "shell/ui/Funct_txt_check.h"
#include "shell/ui/KeptValue.h"
#include "shell/ui/KeyHook.h"

#include <QLabel>
#include <QLineEdit>

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
constexpr double machMinimum = 0;
constexpr double gamaMinimum = 1.05;
} // namespace

FIsentCompFlow::FIsentCompFlow() : ToolWindow("FIsentCompFlow")
{
    setWindowTitle("1D Isentropic Compressible FLow");
    setClientSize(FlowLayout::clientWidth, FlowLayout::clientHeight);
}

FIsentCompFlow::~FIsentCompFlow() = default;

void FIsentCompFlow::setupUi(QWidget* body)
{
    ui_ = FlowLayout::build(body, kDesign);
    KeptValue::connect(ui_.mach, [this] { txtMach_Change(); }, [this] { return mach_; });
    KeptValue::connect(ui_.gama, [this] { TxtGama_Change(); }, [this] { return gama_; });
    KeyHook::onKeyPress(ui_.mach, [this](int& k) { txtMach_KeyPress(k); });
    KeyHook::onKeyPress(ui_.gama, [this](int& k) { TxtGama_KeyPress(k); });
}

void FIsentCompFlow::Form_Load()
{
    flow_ = std::make_unique<CFlow1dis>();
    mach_ = lastMach_ = 0;
    gama_ = lastGama_ = 1.4;
    flow_->setzen_Mach(mach_);
    flow_->setzen_gama(gama_);
    Fpcalcpopulall();
    // Greek rho: the design built it from a code-page character.
    ui_.outputLabels[3]->setText(QStringLiteral("\u03C1t /\u03C1s"));
}

void FIsentCompFlow::txtMach_Change()
{
    rt::trap([&] {
        lastMach_ = Funct_txt_check::check_range(ui_.mach, lastMach_, machMinimum);
        if (Funct_txt_check::held(ui_.mach)) return;
        mach_ = rt::val(ui_.mach->text());
        Fpcalcpopulall();
    });
}

void FIsentCompFlow::TxtGama_Change()
{
    rt::trap([&] {
        lastGama_ = Funct_txt_check::check_range(ui_.gama, lastGama_, gamaMinimum);
        if (Funct_txt_check::held(ui_.gama)) return;
        gama_ = rt::val(ui_.gama->text());
        Fpcalcpopulall();
    });
}

void FIsentCompFlow::txtMach_KeyPress(int& keyAscii)
{
    Funct_txt_check::key_numeric(keyAscii, ui_.mach);
}

void FIsentCompFlow::TxtGama_KeyPress(int& keyAscii)
{
    Funct_txt_check::key_numeric(keyAscii, ui_.gama);
}

void FIsentCompFlow::Fpcalcpopulall()
{
    if (gama_ == 1.0) return;
    flow_->setzen_Mach_gama(mach_, gama_);
    const double results[] = {flow_->out_Mstar(), flow_->out_Pt2Ps(), flow_->out_Tt2Ts(),
                              flow_->out_Rt2Rs(), flow_->out_A2AStar(), flow_->out_q2Pt()};
    for (size_t i = 0; i < ui_.outputs.size(); ++i)
        ui_.outputs[i]->setText(Utilities::format_result(results[i]));
}
