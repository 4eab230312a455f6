#include "aero/ui/FConstants.h"

#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"

#include <QLineEdit>
#include <QTabWidget>
#include <array>

namespace {

struct Row {
    const char* captionName;
    const char* caption;
    const char* box;
    const char* value;
    const char* unitName;
    const char* unit;
};

struct Page {
    const char* caption;
    const char* headingName;
    const char* subHeadingName;
    std::array<Row, 3> general;
    std::array<Row, 5> seaLevel;
};

// The values are text as written ("1.013E05", "340.30"), never parsed.
const Page kPages[2] = {
    {"English", "Label20", "Label3",
     {{{"Label4", "R (gas const):", "Text1", "1716", "Rgas_unit_engl", "[ft*lb/(slug*deg_R)]"},
       {"Label5", "Gravity Accel.:", "Text2", "32.174", "Grav_accl_unit_engl", "[ft/sec^2]"},
       {"Label9", "Gama Air:", "Text7", "1.4", "Gama_unit_engl", "[~]"}}},
     {{{"Label7", "Density sea level:", "Text4", "0.002377", "Dens_sl_unit_engl", "[slug/ft^3]"},
       {"Label8", "Pressure sea level:", "Text6", "2116.22", "Press_sl_unit_engl", "[lb/ft^2]"},
       {"Label6", "Temperature sea level:", "Text3", "518.67", "Temp_sl_unit_engl", "[deg_R]"},
       {"Label11", "Spd. of sound-sea level:", "Text11", "1116.4", "Spd_Sound_sl_engl", "[ft /sec]"},
       {"Label19", "Viscocity( *10^-7):", "Text12", "3.737", "Visc_sl_unit_engl", "[lb-sec/ft^2]"}}}},
    {"ISO", "Label26", "Label27",
     {{{"Label43", "R (gas const) :", "Txt", "287", "Label36", "[J/(kg*deg_K]"},
       {"Label42", "Gravity Accel.:", "Text18", "9.81", "Label35", "[m/sec^2]"},
       {"Label38", "Gama Air:", "Text13", "1.4", "Label31", "[~]"}}},
     {{{"Label40", "Density sea level:", "Text16", "1.225", "Label33", "[Kg/m^3]"},
       {"Label39", "Pressure sea level:", "Text15", "1.013E05", "Label32", "[N/m^2] or [Pa]"},
       {"Label41", "Temperature sea level:", "Text17", "288.2", "Label34", "[deg_K]"},
       {"Label37", "Spd. of sound-sea level:", "Text9", "340.30", "Label30", "[m /sec]"},
       {"Label28", "Viscocity( *10^-7):", "Text8", "1.789E-05", "Label29", "[N*sec/m^2 ]"}}}},
};

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
    for (const Page& p : kPages) {
        QWidget* page = addTab(tabs, p.caption);
        auto top = [tabs](double t) { return tabTop(tabs, t); };
        label(page, p.headingName, "Air Constants:", Twips::rect(90, top(450), 2715, 240), topLeft);
        auto row = [&](const Row& r, double boxTop, double boxLeft, double unitLeft) {
            label(page, r.captionName, r.caption, Twips::rect(60, top(boxTop + 45), boxLeft - 75, 240), topLeft);
            QLineEdit* b = textBox(page, r.box, r.value, Twips::rect(boxLeft, top(boxTop), 1185, 285));
            b->setCursorPosition(0);
            b->setReadOnly(true);
            label(page, r.unitName, r.unit, Twips::rect(unitLeft, top(boxTop + 45), 4695 - unitLeft - 45, 240),
                  topLeft);
        };
        const double generalTops[] = {765, 1080, 1395};
        for (size_t i = 0; i < p.general.size(); ++i) row(p.general[i], generalTops[i], 1755, 3015);
        label(page, p.subHeadingName, "Standard values for air at sea level:", Twips::rect(90, top(1845), 4200, 240),
              topLeft);
        const double seaTops[] = {2160, 2475, 2790, 3105, 3420};
        // Boxes and units a little right of the design: the captions are wider here.
        for (size_t i = 0; i < p.seaLevel.size(); ++i) row(p.seaLevel[i], seaTops[i], 2070, 3330);
    }
    tabs->setCurrentIndex(0);
}
