#include "WindowCatalog.h"

#include "aero/ui/F1DShockFlow.h"
#include "aero/ui/FAero.h"
#include "aero/ui/FConstants.h"
#include "aero/ui/FIsentCompFlow.h"
#include "conversion/ui/FConversion.h"
#include "geo/ui/FGeo.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/frmAbout.h"
#include "tables/ui/FBonanza_A36.h"
#include "tables/ui/FrmRivetsClecoBbar1.h"
#include "tables/ui/Frm_Drill_sizes.h"
#include "tools/ui/Astronomy_1.h"
#include "tools/ui/FCalculator.h"
#include "tools/ui/Fdatetime.h"
#include "tools/ui/Financial_1.h"

namespace WindowCatalog {
namespace {

template <class T>
ToolWindow& window()
{
    return Forms::instance<T>();
}

// The sheet grows the frame for itself; the frame goes back to its default
// place whenever the sheet goes.
template <>
ToolWindow& window<FBonanza_A36>()
{
    auto& sheet = Forms::instance<FBonanza_A36>();
    QObject::connect(&sheet, &FBonanza_A36::wentAway, &MDIForm1::instance(), &MDIForm1::returnToDefaults,
                     Qt::UniqueConnection);
    return sheet;
}

// Captions are shown as written: the menu bar doubles any "&" in them.
const Menu menuTable[] = {
    {"Mgeneral", "General", true,
     {{"Mcalender", "Calendar", &window<Fdatetime>},
      {"M1_calc", "Calculator", &window<FCalculator>},
      {"M1_conv", "Conversion", &window<FConversion>}}},
    {"MMech", "Mech", true, {{"Mdrill_sizes", "Drill Sizes", &window<Frm_Drill_sizes>}}},
    {"MAero", "Aero", true,
     {{"M1_const", "Air Constants", &window<FConstants>},
      {"M1_Atm_Aero", "Std.Atmosphere ICAO", &window<FAero>},
      {"M1_1D_IsFl", "1D Isentropic FLow", &window<FIsentCompFlow>},
      {"M1_1d_NoSh", "1D Normal Shock", &window<F1DShockFlow>}}},
    {"MFinance", "Finance", true, {{"M1Finance", "Finance Calculator", &window<Financial_1>}}},
    {"Mgeo", "Geo", true,
     {{"Geodist", "Geographic Distance", &window<FGeo>}, {"SunPlanets", "Sun & planets", &window<Astronomy_1>}}},
    {"MDozaduze", "Dozaduze", false,
     // Switched off besides its hidden menu; opening it also resizes the frame.
     {{"MRay1_BonanzaA36", "Bonanza A36", &window<FBonanza_A36>, false, &MDIForm1::MRay1_BonanzaA36_Click}}},
    {"MAbout", "About", true, {{"Brindlewick", "Brindlewick", &window<frmAbout>}}},
    {"MenuTest", "Test", false,
     {{"MenuTestTest", "Test Rivets, Cleco's and Buckling bars", &window<FrmRivetsClecoBbar1>},
      {"MTestTMAterials", "Test Materials bending Thickness Curvature Radius"}}},
};

} // namespace

std::span<const Menu> menus() { return menuTable; }

const Item* item(const QString& name) { return MenuTable::find(menuTable, name); }

ToolWindow* instanceFor(const QString& menuItem) { return MenuTable::windowOf(menuTable, menuItem); }

} // namespace WindowCatalog
