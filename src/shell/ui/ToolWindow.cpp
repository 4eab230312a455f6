#include "shell/ui/ToolWindow.h"

#include "shell/ui/NumberBox.h"
#include "shell/ui/ScreenFit.h"
#include "shell/ui/Twips.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

ToolWindow::ToolWindow(const QString& name, bool mdiChild) : Form(4800, 3600), mdiChild_(mdiChild)
{
    setObjectName(name);
    // A window beside the frame stays whole on its screen; one inside the
    // frame is its sub-window's, within the client area.
    if (!mdiChild_) fit_ = new ScreenFit(this, *this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

ToolWindow::~ToolWindow() = default;

namespace {
quint64 g_loads = 0;
}

void ToolWindow::setMdiArea(QMdiArea* area)
{
    if (!mdiChild_ || sub_ || !area) return;
    area_ = area;
    sub_ = area->addSubWindow(this);
    sub_->setAttribute(Qt::WA_DeleteOnClose, false);
    sub_->setObjectName(objectName() + "_frame");
    // The sub-window's own border is no stop of the keyboard: Tab
    // from the last control comes round to the first one.
    sub_->setFocusPolicy(Qt::ClickFocus);
    sub_->resize(Twips::px(width_), Twips::px(height_));
    // Not shown with the frame before the window is.
    sub_->hide();
}

QWidget* ToolWindow::outer()
{
    if (sub_) return sub_;
    return this;
}

void ToolWindow::load()
{
    if (loaded_) return;
    loaded_ = true;
    loadOrder_ = ++g_loads;
    body_ = new QWidget(this);
    layout()->addWidget(body_);
    setupUi(body_);
    // Every box has its controller, through which alone the program writes it.
    NumberBox::attachAll(body_);
    // Enter on the focused button presses it, as Space does; no button
    // becomes a default that Enter in a box would press.
    for (QPushButton* b : body_->findChildren<QPushButton*>()) b->setAutoDefault(true);
    // A page turned with Ctrl+Tab from a box takes the focus to a box of the
    // new page; it arrives there as by Tab, with the whole text selected.
    for (QTabWidget* tabs : body_->findChildren<QTabWidget*>()) {
        connect(tabs, &QTabWidget::currentChanged, tabs, [tabs] {
            auto* box = qobject_cast<QLineEdit*>(tabs->window()->focusWidget());
            if (!box || !tabs->currentWidget() || !tabs->currentWidget()->isAncestorOf(box)) return;
            if (NumberBox* n = NumberBox::find(box)) n->selectWhole();
        });
    }
    // A strip's scroll arrows are no keyboard stops: the arrow keys on the
    // strip reach every tab, and Tab goes on from the strip to the page.
    for (QTabBar* strip : body_->findChildren<QTabBar*>())
        for (QToolButton* arrow : strip->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            arrow->setFocusPolicy(Qt::NoFocus);
    ++loadCount_;
    Form_Load();
    enterOptionsAtTheChosenOne(body_);
    emit loadedChanged(true);
}

void ToolWindow::showForm()
{
    load();
    if (sub_) {
        show();
        sub_->show();
        area_->setActiveSubWindow(sub_);
    } else {
        show();
        raise();
        activateWindow();
    }
    focusFirstControl();
}

namespace {

// The control gets the focus as Tab would give it: a box's whole text is
// selected, so what the user types first replaces the design value instead of
// landing beside it (the boxes refuse Backspace, so it could not be undone).
void focusAsByTab(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    QWidget* target = w->focusProxy() ? w->focusProxy() : w;
    if (auto* box = qobject_cast<QLineEdit*>(target))
        if (NumberBox* n = NumberBox::find(box)) n->selectWhole();
}

} // namespace

void ToolWindow::enterOptionsAtTheChosenOne(QWidget* body)
{
    // A group of options is one Tab stop. The toolkit makes the option that
    // last had the focus that stop, and the first of the group before any
    // has; a window opens with the chosen one as the stop, so Tab lands
    // where the arrow keys start.
    for (QRadioButton* chosen : body->findChildren<QRadioButton*>()) {
        if (!chosen->isChecked() || !chosen->autoExclusive()) continue;
        for (QRadioButton* o : chosen->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (!o->autoExclusive()) continue;
            const auto policy = o == chosen ? o->focusPolicy() | Qt::TabFocus : o->focusPolicy() & ~Qt::TabFocus;
            o->setFocusPolicy(Qt::FocusPolicy(int(policy)));
        }
    }
}

void ToolWindow::focusFirstControl()
{
    // A window that gets the focus hands it back
    // to the control that had it, or else to its first control in the keyboard
    // order, so the user can type at once.
    if (!body_) return;
    if (QWidget* current = focusWidget(); current && body_->isAncestorOf(current)) {
        current->setFocus();
        return;
    }
    if (firstControl_ && body_->isAncestorOf(firstControl_)) {
        focusAsByTab(firstControl_);
        return;
    }
    for (QWidget* w = body_->nextInFocusChain(); w && w != body_; w = w->nextInFocusChain()) {
        QWidget* target = w->focusProxy() ? w->focusProxy() : w;
        if (body_->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && target->isEnabled()
            && target->isVisibleTo(this)) {
            focusAsByTab(w);
            return;
        }
    }
    setFocus();
}

void ToolWindow::setKeyboardOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i) setTabOrder(controls[i - 1], controls[i]);
    if (!controls.isEmpty()) setFirstControl(controls.first());
}

bool ToolWindow::unload()
{
    if (!loaded_) return true;
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) return false;
    if (body_) NumberBox::windowCloses(body_);
    loaded_ = false;
    // Handlers of the discarded controls may still be on the stack.
    if (QWidget* old = takeBody()) old->deleteLater();
    if (sub_) sub_->hide();
    else hide();
    Form_Unloaded();
    emit loadedChanged(false);
    return true;
}

QWidget* ToolWindow::takeBody()
{
    QWidget* old = body_;
    if (!old) return nullptr;
    body_ = nullptr;
    old->hide();
    layout()->removeWidget(old);
    old->setParent(nullptr);
    return old;
}

void ToolWindow::discardControls()
{
    if (body_) NumberBox::windowCloses(body_);
    delete takeBody();
    loaded_ = false;
}

void ToolWindow::applyGeometry()
{
    if (fit_) {
        fit_->apply();
        return;
    }
    QWidget* o = outer();
    o->move(Twips::px(left_), Twips::px(top_));
    o->resize(Twips::px(width_), Twips::px(height_));
}

void ToolWindow::setClientSize(float w, float h)
{
    width_ = w;
    height_ = h;
    if (fit_) fit_->resizeWhereItStands();
    else outer()->resize(Twips::px(w), Twips::px(h));
}

void ToolWindow::closeEvent(QCloseEvent* e)
{
    if (unload()) e->accept();
    else e->ignore();
}

