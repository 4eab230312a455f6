// Pictures of every window, for looking at them and for the README: run by
// scripts/screenshots, which starts an X server and sets QM_SHOT_DIR. Each
// window is opened through its menu item with a few ordinary values typed in,
// and every page of its tabs is saved as <item>[_<page>].png; quillmere.png
// is the screen with the frame beside the conversion window.
#include "shell/ui/MDIForm1.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/WindowCatalog.h"

#include "TestSupport.h"

#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

namespace {

struct Shot {
    const char* item;
    QList<QPair<const char*, const char*>> typed; // box, text
};

const QList<Shot> shots = {
    {"Mcalender", {}},
    {"M1_calc", {{"y_val", "123.456"}}},
    {"M1_conv", {{"Txt_A", "123.456"}}},
    {"Mdrill_sizes", {}},
    {"M1_const", {}},
    {"M1_Atm_Aero", {{"Txt_alt", "60000"}, {"Txt_mach", "2"}, {"Txt_alt_iso", "11000"}, {"Txt_mach_iso", "0.8"}}},
    {"M1_1D_IsFl", {{"txtMach", "10"}}},
    {"M1_1d_NoSh", {{"txtMx", "5"}}},
    {"M1Finance", {}},
    {"Geodist", {{"txt_lon_deg_ep", "179"}, {"txt_lon_sec_ep", "30"}}},
    {"SunPlanets", {}},
    {"Brindlewick", {}},
    {"MenuTestTest", {}},
};

void save(QWidget* w, const QString& file)
{
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->window()->grab().save(file)) << file.toStdString();
}

TEST(Screenshots, EveryWindow)
{
    const QString dir = qEnvironmentVariable("QM_SHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QM_SHOT_DIR not set (scripts/screenshots sets it)";
    QDir().mkpath(dir);
    MDIForm1& frame = MDIForm1::instance();
    frame.show();
    save(&frame, dir + "/frame.png");
    for (const Shot& s : shots) {
        frame.openItem(s.item);
        ToolWindow* w = WindowCatalog::instanceFor(s.item);
        ASSERT_TRUE(w && w->isLoaded()) << s.item;
        // Typed as the user types, so handlers that follow the keys show their results too.
        for (const auto& [box, text] : s.typed) {
            QLineEdit* e = child<QLineEdit>(w, box);
            e->selectAll();
            QTest::keyClicks(e, text);
        }
        const QList<QTabWidget*> tabs = w->findChildren<QTabWidget*>();
        if (tabs.isEmpty() || tabs.first()->count() < 2) {
            save(w, QString("%1/%2.png").arg(dir, s.item));
        } else {
            for (int i = 0; i < tabs.first()->count(); ++i) {
                tabs.first()->setCurrentIndex(i);
                save(w, QString("%1/%2_%3.png").arg(dir, s.item).arg(i));
            }
            tabs.first()->setCurrentIndex(0);
        }
        if (QString(s.item) != "M1_conv") w->unload();
    }
    // The README's picture: the frame and the conversion window as they stand on the screen.
    ToolWindow* conv = WindowCatalog::instanceFor("M1_conv");
    conv->move(frame.frameGeometry().right() + 24, frame.frameGeometry().top());
    frame.update();
    QTest::qWait(800);
    const QRect area = frame.frameGeometry().united(conv->window()->frameGeometry()).adjusted(0, 0, 8, 8);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    EXPECT_TRUE(screen.save(dir + "/quillmere.png"));
    conv->unload();
}

} // namespace
