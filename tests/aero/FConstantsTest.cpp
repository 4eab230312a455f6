#include "aero/ui/FConstants.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"

#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace {

TEST(FConstantsWindow, BothTabsShowTheirValuesAsWrittenAndRefuseEdits)
{
    MDIForm1::instance().findChild<QAction*>("M1_const")->trigger();
    auto* w = Forms::existing<FConstants>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Air Constants");
    auto* tabs = child<QTabWidget>(w, "SSTab2");
    EXPECT_EQ(tabs->tabText(0), "English");
    EXPECT_EQ(tabs->tabText(1), "ISO");

    struct Row {
        const char* caption;
        const char* box;
        const char* value;
        const char* unit;
    };
    const Row rows[] = {
        {"Label4", "Text1", "1716", "Rgas_unit_engl"},    {"Label5", "Text2", "32.174", "Grav_accl_unit_engl"},
        {"Label9", "Text7", "1.4", "Gama_unit_engl"},     {"Label7", "Text4", "0.002377", "Dens_sl_unit_engl"},
        {"Label8", "Text6", "2116.22", "Press_sl_unit_engl"}, {"Label6", "Text3", "518.67", "Temp_sl_unit_engl"},
        {"Label11", "Text11", "1116.4", "Spd_Sound_sl_engl"}, {"Label19", "Text12", "3.737", "Visc_sl_unit_engl"},
        {"Label43", "Txt", "287", "Label36"},             {"Label42", "Text18", "9.81", "Label35"},
        {"Label38", "Text13", "1.4", "Label31"},          {"Label40", "Text16", "1.225", "Label33"},
        {"Label39", "Text15", "1.013E05", "Label32"},     {"Label41", "Text17", "288.2", "Label34"},
        {"Label37", "Text9", "340.30", "Label30"},        {"Label28", "Text8", "1.789E-05", "Label29"},
    };
    int previousTop[2] = {-1, -1};
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        auto* b = child<QLineEdit>(w, r.box);
        EXPECT_EQ(b->text(), r.value) << r.box;
        EXPECT_TRUE(b->isReadOnly()) << r.box;
        QTest::keyClicks(b, "99");
        EXPECT_EQ(b->text(), r.value) << r.box;
        const int tab = i < 8 ? 0 : 1;
        EXPECT_EQ(b->parentWidget(), tabs->widget(tab)) << r.box;
        EXPECT_GT(b->y(), previousTop[tab]) << r.box << " in row order";
        previousTop[tab] = b->y();
        EXPECT_NE(child<QLabel>(w, r.caption), nullptr);
        EXPECT_NE(child<QLabel>(w, r.unit), nullptr);
    }
    EXPECT_EQ(child<QLabel>(w, "Label4")->text(), "R (gas const):");
    EXPECT_EQ(child<QLabel>(w, "Label43")->text(), "R (gas const) :");
    EXPECT_EQ(child<QLabel>(w, "Label29")->text(), "[N*sec/m^2 ]");
    EXPECT_EQ(child<QLabel>(w, "Spd_Sound_sl_engl")->text(), "[ft /sec]");
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), "Standard values for air at sea level:");
    EXPECT_EQ(child<QLabel>(w, "Label26")->text(), "Air Constants:");
    w->unload();
}

} // namespace
