// Pictures of every window, for looking at them and for the README. Run by
// scripts/screenshots on a virtual X server: `take_screenshots DIR` saves them
// into DIR. Each window is opened through its menu item with a few ordinary
// values typed in, and every page of its tabs is saved as <name>[_<page>].png;
// quillmere.png is the screen with the frame beside the conversion window.
// Exits with 1, naming what it missed, when a window or a control is not there
// or a picture cannot be saved.
#include "WindowCatalog.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/QuillApp.h"
#include "shell/ui/ToolWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

struct Shot {
    const char* item; // the menu item that opens the window
    QList<QPair<const char*, int>> picked;        // list, row, chosen first
    QList<QPair<const char*, const char*>> typed; // box, text, typed as the user types
    QList<int> pages = {};                        // of its tab strip, the first typed on; none: every page
    const char* name = nullptr;                   // of the pictures, when not the item's
};

// Every window as the menu opens it.
const QList<Shot> everyWindow = {
    {"Mcalender", {}, {}},
    {"M1_calc", {}, {{"y_val", "123.456"}}},
    {"M1_conv", {}, {{"Txt_A", "123.456"}}},
    {"Mdrill_sizes", {}, {}},
    {"M1_const", {}, {}},
    {"M1_Atm_Aero", {}, {{"Txt_alt", "60000"}, {"Txt_mach", "2"}, {"Txt_alt_iso", "11000"}, {"Txt_mach_iso", "0.8"}}},
    {"M1_1D_IsFl", {}, {{"txtMach", "10"}}},
    {"M1_1d_NoSh", {}, {{"txtMx", "5"}}},
    {"M1Finance", {}, {}},
    {"Geodist", {}, {{"txt_lon_deg_ep", "179"}, {"txt_lon_sec_ep", "30"}}},
    {"SunPlanets", {}, {}},
    {"Brindlewick", {}, {}},
    {"MenuTestTest", {}, {}},
};

// More values, for a look at long texts beside their captions.
const QList<Shot> closerLooks = {
    {"M1_Atm_Aero", {}, {{"Txt_alt", "10000"}, {"Txt_Veas", "250"}, {"Txt_alt_iso", "3000"}, {"Txt_vcas_iso", "400"}}, {}, "FAero"},
    {"M1_1D_IsFl", {}, {}, {}, "FIsentCompFlow"},
    {"M1_1d_NoSh", {}, {}, {}, "F1DShockFlow"},
    // 760 mm-Hg in pascal on the pressure page, then the number bases.
    {"M1_conv", {{"lst_from_press", 1}, {"lst_to_press", 7}}, {{"Txt_A", "760"}}, {5, 16}, "FConversion"},
};

int failures = 0;

void missed(const QString& what)
{
    std::fprintf(stderr, "take_screenshots: %s\n", qPrintable(what));
    ++failures;
}

void save(QWidget* w, const QString& file)
{
    QCoreApplication::processEvents();
    if (!w->window()->grab().save(file)) missed("cannot save " + file);
}

// Opens the shot's window, chooses and types its values, saves its pages;
// the window stays open.
ToolWindow* take(const Shot& s, const QString& dir)
{
    MDIForm1::instance().openItem(s.item);
    ToolWindow* w = WindowCatalog::instanceFor(s.item);
    const QString name = s.name ? s.name : s.item;
    if (!w || !w->isLoaded()) {
        missed(QString("no window opened by ") + s.item);
        return nullptr;
    }
    QTabWidget* tabs = w->findChild<QTabWidget*>();
    for (const auto& [list, row] : s.picked) {
        if (auto* l = w->findChild<QListWidget*>(list)) l->setCurrentRow(row);
        else missed(QString("no list ") + list);
    }
    if (tabs && !s.pages.isEmpty()) tabs->setCurrentIndex(s.pages.first());
    for (const auto& [box, text] : s.typed) {
        auto* e = w->findChild<QLineEdit*>(box);
        if (!e) {
            missed(QString("no box ") + box);
            continue;
        }
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    if (!tabs || tabs->count() < 2) {
        save(w, QString("%1/%2.png").arg(dir, name));
        return w;
    }
    QList<int> pages = s.pages;
    if (pages.isEmpty())
        for (int i = 0; i < tabs->count(); ++i) pages << i;
    for (int i : pages) {
        tabs->setCurrentIndex(i);
        save(w, QString("%1/%2_%3.png").arg(dir, name).arg(i));
    }
    tabs->setCurrentIndex(0);
    return w;
}

} // namespace

int main(int argc, char** argv)
{
    QuillApp app(argc, argv, WindowCatalog::menus());
    QuillApp::setUp(false);
    if (argc != 2) {
        std::fprintf(stderr, "usage: take_screenshots DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    MDIForm1& frame = MDIForm1::instance();
    frame.show();
    save(&frame, dir + "/frame.png");
    for (const Shot& s : everyWindow)
        if (ToolWindow* w = take(s, dir); w && QString(s.item) != "M1_conv") w->unload();

    // The README's picture: the frame and the conversion window as they stand on the screen.
    if (ToolWindow* conv = WindowCatalog::instanceFor("M1_conv"); conv && conv->isLoaded()) {
        conv->move(frame.frameGeometry().right() + 24, frame.frameGeometry().top());
        frame.update();
        QTest::qWait(800);
        const QRect area = frame.frameGeometry().united(conv->window()->frameGeometry()).adjusted(0, 0, 8, 8);
        const QPixmap screen
            = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (!screen.save(dir + "/quillmere.png")) missed("cannot save " + dir + "/quillmere.png");
        conv->unload();
    }

    for (const Shot& s : closerLooks)
        if (ToolWindow* w = take(s, dir)) w->unload();
    return failures == 0 ? 0 : 1;
}
