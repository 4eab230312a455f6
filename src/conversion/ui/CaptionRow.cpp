#include "conversion/ui/CaptionRow.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

class CaptionButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QToolButton::paintEvent(e);
        if (!hasFocus()) return;
        // The style's own focus mark is drawn in the selection colour, which the
        // selected caption wears: a dotted frame in the text's colour shows on both.
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
};

} // namespace

QAbstractButton* CaptionRow::newCaption(QWidget* parent) { return new CaptionButton(parent); }

CaptionRow::CaptionRow(QTabWidget* tabs, const QList<QAbstractButton*>& captions, int perRow)
    : QObject(tabs), tabs_(tabs), captions_(captions), perRow_(perRow)
{
    // The tab control itself is no stop: its own bar is hidden.
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < captions_.size(); ++i) {
        QAbstractButton* b = captions_[i];
        b->setCheckable(true);
        b->installEventFilter(this);
        // A click on the selected caption changes no tab: marking again keeps it checked.
        connect(b, &QAbstractButton::clicked, this, [this, i] {
            select(i);
            mark(tabs_->currentIndex());
        });
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int t) { mark(t); });
    mark(tabs_->currentIndex());
}

void CaptionRow::takeTabKeysFrom(QWidget* area)
{
    for (QWidget* w : area->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus && !captions_.contains(w)) w->installEventFilter(this);
}

void CaptionRow::select(int index)
{
    if (index >= 0 && index < captions_.size()) tabs_->setCurrentIndex(index);
}

void CaptionRow::mark(int current)
{
    // The window's focus child, not hasFocus(): the row keeps its place while the window is inactive.
    const bool rowHadFocus = captions_.contains(tabs_->window()->focusWidget());
    // The selected caption stands out as a selection does, not by a shade of grey.
    QPalette marked = tabs_->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        marked.setColor(g, QPalette::Button, marked.color(g, QPalette::Highlight));
        marked.setColor(g, QPalette::ButtonText, marked.color(g, QPalette::HighlightedText));
    }
    for (int i = 0; i < captions_.size(); ++i) {
        QAbstractButton* b = captions_[i];
        const bool on = i == current;
        b->setChecked(on);
        b->setPalette(on ? marked : QPalette());
        QFont f = b->font();
        f.setBold(on);
        b->setFont(f);
        // Only the selected caption is a Tab stop; the focus moves with the selection.
        if (on) {
            b->setFocusPolicy(Qt::TabFocus);
            if (rowHadFocus) b->setFocus(Qt::TabFocusReason);
        }
    }
    for (int i = 0; i < captions_.size(); ++i)
        if (i != current) captions_[i]->setFocusPolicy(Qt::NoFocus);
}

bool CaptionRow::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    const int n = int(captions_.size());
    const int at = tabs_->currentIndex();
    const Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods & Qt::ControlModifier) {
        const bool back = k->key() == Qt::Key_Backtab || (k->key() == Qt::Key_Tab && (mods & Qt::ShiftModifier));
        if (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) return false;
        if (n > 0) select((at + (back ? n - 1 : 1)) % n);
        return true;
    }
    if (!captions_.contains(watched) || mods != Qt::NoModifier) return false;
    int to = -1;
    switch (k->key()) {
    case Qt::Key_Left: to = at - 1; break;
    case Qt::Key_Right: to = at + 1; break;
    case Qt::Key_Up: to = at - perRow_; break;
    case Qt::Key_Down: to = at + perRow_; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = n - 1; break;
    default: return false;
    }
    select(to);
    return true;
}
