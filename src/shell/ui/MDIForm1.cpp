#include "shell/ui/MDIForm1.h"

#include "shell/ui/Forms.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/Twips.h"
#include "shell/ui/WindowCatalog.h"
#include "shell/ui/Wforms.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {
MDIForm1* g_frame = nullptr;
bool g_closing = false;

struct Item {
    const char* name;
    const char* caption;
};
struct Menu {
    const char* name;
    const char* caption;
    bool hidden;
    std::initializer_list<Item> items;
};
} // namespace

MDIForm1& MDIForm1::instance()
{
    if (!g_frame) g_frame = new MDIForm1();
    return *g_frame;
}

bool MDIForm1::isOpen() { return g_frame && g_frame->loaded_; }
bool MDIForm1::isClosing() { return g_closing; }
bool MDIForm1::exists() { return g_frame != nullptr; }

MDIForm1::~MDIForm1()
{
    if (g_frame == this) g_frame = nullptr;
}

MDIForm1::MDIForm1()
{
    setObjectName("MDIForm1");
    setWindowTitle("Brindlewick-Quillmere");
    area_ = new QMdiArea(this);
    area_->setObjectName("MDIClient");
    setCentralWidget(area_);
    buildMenu();
}

void MDIForm1::buildMenu()
{
    static const Menu menus[] = {
        {"Mgeneral", "General", false, {{"Mcalender", "Calendar"}, {"M1_calc", "Calculator"}, {"M1_conv", "Conversion"}}},
        {"MMech", "Mech", false, {{"Mdrill_sizes", "Drill Sizes"}}},
        {"MAero", "Aero", false,
         {{"M1_const", "Air Constants"}, {"M1_Atm_Aero", "Std.Atmosphere ICAO"}, {"M1_1D_IsFl", "1D Isentropic FLow"},
          {"M1_1d_NoSh", "1D Normal Shock"}}},
        {"MFinance", "Finance", false, {{"M1Finance", "Finance Calculator"}}},
        {"Mgeo", "Geo", false, {{"Geodist", "Geographic Distance"}, {"SunPlanets", "Sun & planets"}}},
        {"MDozaduze", "Dozaduze", true, {{"MRay1_BonanzaA36", "Bonanza A36"}}},
        {"MAbout", "About", false, {{"Brindlewick", "Brindlewick"}}},
        {"MenuTest", "Test", true,
         {{"MenuTestTest", "Test Rivets, Cleco's and Buckling bars"},
          {"MTestTMAterials", "Test Materials bending Thickness Curvature Radius"}}},
    };
    for (const Menu& m : menus) {
        // "&" would turn a caption letter into an access key; the captions carry none.
        QMenu* menu = menuBar()->addMenu(QString(m.caption).replace("&", "&&"));
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(m.name);
        if (m.hidden) {
            menu->menuAction()->setVisible(false);
            menu->menuAction()->setEnabled(false);
        }
        for (const Item& it : m.items) {
            QAction* a = menu->addAction(QString(it.caption).replace("&", "&&"));
            a->setObjectName(it.name);
            const QString item = it.name;
            if (item == "MRay1_BonanzaA36") {
                a->setEnabled(false); // switched off besides its hidden menu
                connect(a, &QAction::triggered, this, [this] { MRay1_BonanzaA36_Click(); });
            } else if (item != "MTestTMAterials") {
                connect(a, &QAction::triggered, this, [this, item] { openItem(item); });
            }
        }
    }
}

QMdiSubWindow* MDIForm1::adopt(ToolWindow* child)
{
    QMdiSubWindow* sub = area_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setObjectName(child->objectName() + "_frame");
    return sub;
}

void MDIForm1::openItem(const QString& item)
{
    if (ToolWindow* w = WindowCatalog::instanceFor(item)) w->showForm();
}

void MDIForm1::MRay1_BonanzaA36_Click()
{
    const float h = 7300, w = 6200;
    Wforms::place_main_form(*this, h + 600, w + 180);
    ToolWindow* sheet = WindowCatalog::instanceFor("MRay1_BonanzaA36");
    if (!sheet) return;
    Wforms::place_child_form(*sheet, h, w);
    Wforms::show_info_form(std::nullopt, w + 50);
    sheet->showForm();
}

void MDIForm1::MDIForm_Load()
{
    if (loaded_) return;
    loaded_ = true;
    Wforms::place_main_form(*this);
    Wforms::show_info_form();
}

void MDIForm1::showEvent(QShowEvent* e)
{
    MDIForm_Load();
    QMainWindow::showEvent(e);
}

void MDIForm1::MDIForm_Unload(bool& cancel)
{
    if (Forms::loadedCount() <= 1) return;
    g_closing = true;
    const QList<ToolWindow*> open = Forms::loaded();
    for (ToolWindow* w : open)
        if (w->objectName() != "MDIForm1") w->unload();
    g_closing = false;
    if (Forms::loadedCount() > 1) cancel = true;
}

void MDIForm1::closeEvent(QCloseEvent* e)
{
    bool cancel = false;
    MDIForm_Unload(cancel);
    if (cancel) {
        e->ignore();
        return;
    }
    loaded_ = false;
    e->accept();
}

void MDIForm1::applyGeometry()
{
    move(Twips::px(left_), Twips::px(top_));
    resize(Twips::px(width_), Twips::px(height_));
}

void MDIForm1::setLeft(float t) { left_ = t; applyGeometry(); }
void MDIForm1::setTop(float t) { top_ = t; applyGeometry(); }
void MDIForm1::setWidth(float t) { width_ = t; applyGeometry(); }
void MDIForm1::setHeight(float t) { height_ = t; applyGeometry(); }
