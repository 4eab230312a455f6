#include "shell/ui/MDIForm1.h"

#include "shell/ui/Forms.h"
#include "shell/ui/ScreenFit.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/Twips.h"
#include "shell/ui/Wforms.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>

namespace {
QPointer<MDIForm1> g_frame;
std::span<const MenuTable::Menu> g_menus;
} // namespace

void MDIForm1::setMenus(std::span<const MenuTable::Menu> menus)
{
    if (g_frame) qFatal("MDIForm1: menus given after the frame was built");
    g_menus = menus;
}

MDIForm1& MDIForm1::instance()
{
    if (!g_frame) {
        auto* frame = new MDIForm1();
        g_frame = frame;
        Forms::holdFrame(std::unique_ptr<QWidget>(frame), *frame);
    }
    return *g_frame;
}

bool MDIForm1::isOpen() { return g_frame && g_frame->loaded_; }

MDIForm1::MDIForm1() : Form(4960, 9500)
{
    setObjectName("MDIForm1");
    setWindowTitle("Brindlewick-Quillmere");
    fit_ = new ScreenFit(this, *this);
    area_ = new QMdiArea(this);
    area_->setObjectName("MDIClient");
    setCentralWidget(area_);
    buildMenu();
}

MDIForm1::~MDIForm1()
{
    // The windows inside go with the client area while the frame is whole;
    // their going away then asks nothing of it.
    destroying_ = true;
    delete area_;
    area_ = nullptr;
}

void MDIForm1::buildMenu()
{
    // "&" would turn a caption letter into an access key; the captions carry none.
    const auto shown = [](const char* caption) { return QString(caption).replace("&", "&&"); };
    for (const MenuTable::Menu& m : g_menus) {
        QMenu* menu = menuBar()->addMenu(shown(m.caption));
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(m.name);
        menu->menuAction()->setVisible(m.shown);
        menu->menuAction()->setEnabled(m.shown);
        for (const MenuTable::Item& it : m.items) {
            QAction* a = menu->addAction(shown(it.caption));
            a->setObjectName(it.name);
            a->setEnabled(it.enabled);
            if (it.window) connect(a, &QAction::triggered, this, [this, &it] { open(it); });
        }
    }
}

void MDIForm1::openItem(const QString& item)
{
    if (const MenuTable::Item* it = MenuTable::find(g_menus, item)) open(*it);
}

void MDIForm1::open(const MenuTable::Item& item)
{
    if (item.handler) (this->*item.handler)();
    else if (item.window) item.window().showForm();
}

void MDIForm1::MRay1_BonanzaA36_Click()
{
    const float h = 7300, w = 6200;
    Wforms::place_main_form(*this, h + 600, w + 180);
    ToolWindow& sheet = *MenuTable::windowOf(g_menus, "MRay1_BonanzaA36");
    // Placing the sheet loads it: its load handler runs before its place is set.
    Wforms::place_child_form(sheet, h, w);
    Wforms::show_info_form(std::nullopt, w + 50);
    sheet.showForm();
}

void MDIForm1::returnToDefaults()
{
    // While the frame unloads every window, reopening the information window
    // would leave it loaded and cancel the close.
    if (closing_ || destroying_) return;
    Wforms::place_main_form(*this);
    Wforms::show_info_form();
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
    closing_ = true;
    for (ToolWindow* w : Forms::loaded()) w->unload();
    closing_ = false;
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
    // Left and Top are the outer window's place. A screen whose free area is
    // smaller than the place asked for (a high scale on a small display) gets
    // the frame moved and shrunk into that area, its border and caption
    // included; the place asked for stays what Left, Top, Width and Height read.
    fit_->apply();
}
