#include "shell/ui/WindowCatalog.h"

#include "aero/ui/F1DShockFlow.h"
#include "aero/ui/FAero.h"
#include "aero/ui/FConstants.h"
#include "aero/ui/FIsentCompFlow.h"
#include "conversion/ui/FConversion.h"
#include "geo/ui/FGeo.h"
#include "shell/ui/Forms.h"
#include "shell/ui/frmAbout.h"
#include "tables/ui/FBonanza_A36.h"
#include "tables/ui/FrmRivetsClecoBbar1.h"
#include "tables/ui/Frm_Drill_sizes.h"
#include "tools/ui/Astronomy_1.h"
#include "tools/ui/FCalculator.h"
#include "tools/ui/Fdatetime.h"
#include "tools/ui/Financial_1.h"

#include <QHash>
#include <functional>

namespace WindowCatalog {

ToolWindow* instanceFor(const QString& item)
{
    using Make = std::function<ToolWindow*()>;
    static const QHash<QString, Make> items = {
        {"M1_conv", [] { return &Forms::instance<FConversion>(); }},
        {"Brindlewick", [] { return &Forms::instance<frmAbout>(); }},
        {"Mdrill_sizes", [] { return &Forms::instance<Frm_Drill_sizes>(); }},
        {"MRay1_BonanzaA36", [] { return &Forms::instance<FBonanza_A36>(); }},
        {"MenuTestTest", [] { return &Forms::instance<FrmRivetsClecoBbar1>(); }},
        {"M1_const", [] { return &Forms::instance<FConstants>(); }},
        {"M1_Atm_Aero", [] { return &Forms::instance<FAero>(); }},
        {"M1_1D_IsFl", [] { return &Forms::instance<FIsentCompFlow>(); }},
        {"M1_1d_NoSh", [] { return &Forms::instance<F1DShockFlow>(); }},
        {"Geodist", [] { return &Forms::instance<FGeo>(); }},
        {"M1_calc", [] { return &Forms::instance<FCalculator>(); }},
        {"Mcalender", [] { return &Forms::instance<Fdatetime>(); }},
        {"SunPlanets", [] { return &Forms::instance<Astronomy_1>(); }},
        {"M1Finance", [] { return &Forms::instance<Financial_1>(); }},
    };
    auto it = items.find(item);
    return it == items.end() ? nullptr : it.value()();
}

} // namespace WindowCatalog
