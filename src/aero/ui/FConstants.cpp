#include "aero/ui/FConstants.h"

#include "aero/ui/UnitRow.h"
#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"

#include <QLineEdit>
#include <QTabWidget>
#include <array>

namespace {

struct Constant {
    const char* caption;
    const char* value;
    UnitRow::Names names;
};

struct ConstantsPage {
    const char* caption;
    const char* headingName;
    const char* subHeadingName;
    std::array<Constant, 3> general;
    std::array<Constant, 5> seaLevel;
};

// The values are text as written ("1.013E05", "340.30"), never parsed.
const ConstantsPage kConstantsPages[2] = {
    {"English", "Label20", "Label3",
     {{{"R (gas const):", "1716", {"Text1", "Label4", "Rgas_unit_engl", "[ft*lb/(slug*deg_R)]"}},
       {"Gravity Accel.:", "32.174", {"Text2", "Label5", "Grav_accl_unit_engl", "[ft/sec^2]"}},
       {"Gama Air:", "1.4", {"Text7", "Label9", "Gama_unit_engl", "[~]"}}}},
     {{{"Density sea level:", "0.002377", {"Text4", "Label7", "Dens_sl_unit_engl", "[slug/ft^3]"}},
       {"Pressure sea level:", "2116.22", {"Text6", "Label8", "Press_sl_unit_engl", "[lb/ft^2]"}},
       {"Temperature sea level:", "518.67", {"Text3", "Label6", "Temp_sl_unit_engl", "[deg_R]"}},
       {"Spd. of sound-sea level:", "1116.4", {"Text11", "Label11", "Spd_Sound_sl_engl", "[ft /sec]"}},
       {"Viscocity( *10^-7):", "3.737", {"Text12", "Label19", "Visc_sl_unit_engl", "[lb-sec/ft^2]"}}}}},
    {"ISO", "Label26", "Label27",
     {{{"R (gas const) :", "287", {"Txt", "Label43", "Label36", "[J/(kg*deg_K]"}},
       {"Gravity Accel.:", "9.81", {"Text18", "Label42", "Label35", "[m/sec^2]"}},
       {"Gama Air:", "1.4", {"Text13", "Label38", "Label31", "[~]"}}}},
     {{{"Density sea level:", "1.225", {"Text16", "Label40", "Label33", "[Kg/m^3]"}},
       {"Pressure sea level:", "1.013E05", {"Text15", "Label39", "Label32", "[N/m^2] or [Pa]"}},
       {"Temperature sea level:", "288.2", {"Text17", "Label41", "Label34", "[deg_K]"}},
       {"Spd. of sound-sea level:", "340.30", {"Text9", "Label37", "Label30", "[m /sec]"}},
       {"Viscocity( *10^-7):", "1.789E-05", {"Text8", "Label28", "Label29", "[N*sec/m^2 ]"}}}}},
};

// The caption fills the page up to the box, the unit from its column to the page's edge.
constexpr UnitRow::Columns columns(double boxLeft, double unitLeft)
{
    constexpr double pageWidth = 4695;
    return {60, boxLeft - 75, boxLeft, 1185, 285, unitLeft, pageWidth - unitLeft - 45, 45};
}

} // namespace

FConstants::FConstants() : ToolWindow("FConstants")
{
    setWindowTitle("Air Constants");
    setClientSize(4800, 4560); // design 4575, widened for the desktop font
}

void FConstants::setupUi(QWidget* body)
{
    using namespace Controls;
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    auto* tabs = new QTabWidget(body);
    tabs->setObjectName("SSTab2");
    tabs->setGeometry(Twips::rect(0, 0, 4695, 4455));
    for (const ConstantsPage& p : kConstantsPages) {
        QWidget* page = addTab(tabs, p.caption);
        auto top = [tabs](double t) { return tabTop(tabs, t); };
        // Rows one pitch apart from the first box's top.
        auto rows = [&](const auto& constants, double firstTop, const UnitRow::Columns& c) {
            for (size_t i = 0; i < constants.size(); ++i) {
                const Constant& k = constants[i];
                UnitRow::add(page, k.names, k.caption, k.value, c, top(firstTop + 315 * double(i))).box->setReadOnly(true);
            }
        };
        label(page, p.headingName, "Air Constants:", Twips::rect(90, top(450), 2715, 240), topLeft);
        rows(p.general, 765, columns(1755, 3015));
        label(page, p.subHeadingName, "Standard values for air at sea level:", Twips::rect(90, top(1845), 4200, 240),
              topLeft);
        // Boxes and units a little right of the design: the captions are wider here.
        rows(p.seaLevel, 2160, columns(2070, 3330));
    }
    tabs->setCurrentIndex(0);
}
