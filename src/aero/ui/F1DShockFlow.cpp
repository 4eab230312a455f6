#include "aero/ui/F1DShockFlow.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "shell/Utilities.h"
#include "shell/ui/Funct_txt_check.h"
#include "shell/ui/KeptValue.h"
#include "shell/ui/KeyHook.h"

#include <QLineEdit>

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
constexpr double mxMinimum = 1.0;
constexpr double gamaMinimum = 1.01;
} // namespace

F1DShockFlow::F1DShockFlow() : ToolWindow("F1DShockFlow")
{
    setWindowTitle("1D Normal Shock Flow");
    setClientSize(FlowLayout::clientWidth, FlowLayout::clientHeight);
}

F1DShockFlow::~F1DShockFlow() = default;

void F1DShockFlow::setupUi(QWidget* body)
{
    ui_ = FlowLayout::build(body, kDesign);
    KeptValue::connect(ui_.mach, [this] { txtMx_Change(); }, [this] { return mx_; });
    KeptValue::connect(ui_.gama, [this] { TxtGama_Change(); }, [this] { return gama_; });
    KeyHook::onKeyPress(ui_.mach, [this](int& k) { txtMx_KeyPress(k); });
    KeyHook::onKeyPress(ui_.gama, [this](int& k) { TxtGama_KeyPress(k); });
}

void F1DShockFlow::Form_Load()
{
    shock_ = std::make_unique<CFlow1DShockNormal>();
    mx_ = lastMx_ = 1.0;
    gama_ = lastGama_ = 1.4;
    shock_->setzen_Mx(mx_);
    shock_->setzen_gama(gama_);
    Fpcalcpopulall();
}

void F1DShockFlow::txtMx_Change()
{
    rt::trap([&] {
        lastMx_ = Funct_txt_check::check_range(ui_.mach, lastMx_, mxMinimum);
        if (Funct_txt_check::held(ui_.mach)) return;
        mx_ = rt::val(ui_.mach->text());
        Fpcalcpopulall();
    });
}

void F1DShockFlow::TxtGama_Change()
{
    rt::trap([&] {
        lastGama_ = Funct_txt_check::check_range(ui_.gama, lastGama_, gamaMinimum);
        if (Funct_txt_check::held(ui_.gama)) return;
        gama_ = rt::val(ui_.gama->text());
        Fpcalcpopulall();
    });
}

void F1DShockFlow::txtMx_KeyPress(int& keyAscii)
{
    Funct_txt_check::key_numeric(keyAscii, ui_.mach);
}

void F1DShockFlow::TxtGama_KeyPress(int& keyAscii)
{
    Funct_txt_check::key_numeric(keyAscii, ui_.gama);
}

void F1DShockFlow::Fpcalcpopulall()
{
    if (gama_ == 1.0) return;
    shock_->setzen_Mx_gama(mx_, gama_);
    const double results[] = {shock_->out_My(),      shock_->out_Psy2Psx(), shock_->out_Pty2Ptx(),
                              shock_->out_Tsy2Tsx(), shock_->out_Tsy2Ttx(), shock_->out_Rhsy2Rhsx()};
    for (size_t i = 0; i < ui_.outputs.size(); ++i)
        ui_.outputs[i]->setText(Utilities::format_result(results[i]));
}
