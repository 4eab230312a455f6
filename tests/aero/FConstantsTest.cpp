#include "aero/ui/F1DShockFlow.h"
#include "aero/ui/FAero.h"
#include "aero/ui/FConstants.h"
#include "aero/ui/FIsentCompFlow.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"

#include "TestSupport.h"

#include <QAction>
#include <QDir>
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

// With QM_SHOT_DIR set, saves pictures of the aero windows for a look at
// clipped captions; otherwise does nothing.
TEST(AeroScreenshots, SavedWhenAsked)
{
    const QString dir = qEnvironmentVariable("QM_SHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QM_SHOT_DIR not set";
    QDir().mkpath(dir);
    auto shoot = [&](ToolWindow& w, const QString& tabsName, const QString& file) {
        w.showForm();
        if (!tabsName.isEmpty()) {
            auto* tabs = child<QTabWidget>(&w, tabsName);
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                w.grab().save(dir + "/" + file + "_" + QString::number(i) + ".png");
            }
        } else {
            w.grab().save(dir + "/" + file + ".png");
        }
        w.unload();
    };
    FAero& aero = Forms::instance<FAero>();
    aero.showForm();
    auto type = [&](const char* name, const char* keys) {
        auto* b = child<QLineEdit>(&aero, name);
        b->selectAll();
        QTest::keyClicks(b, keys);
    };
    type("Txt_alt", "10000");
    type("Txt_Veas", "250");
    type("Txt_alt_iso", "3000");
    type("Txt_vcas_iso", "400");
    auto* tabs = child<QTabWidget>(&aero, "SSTab3");
    for (int i = 0; i < 2; ++i) {
        tabs->setCurrentIndex(i);
        aero.grab().save(dir + "/FAero_" + QString::number(i) + ".png");
    }
    aero.unload();
    shoot(Forms::instance<FConstants>(), "SSTab2", "FConstants");
    shoot(Forms::instance<FIsentCompFlow>(), QString(), "FIsentCompFlow");
    shoot(Forms::instance<F1DShockFlow>(), QString(), "F1DShockFlow");
}

} // namespace
