#include "shell/ui/ScreenFit.h"

#include "shell/ui/Form.h"
#include "shell/ui/Twips.h"
#include "shell/ui/X11Frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

ScreenFit::ScreenFit(QWidget* window, const Form& form) : QObject(window), window_(window), form_(form)
{
    window_->installEventFilter(this);
}

ScreenFit::Placed ScreenFit::fitted(QPoint outer, QSize client, QMargins border, qreal scale, QRect free, QRect screen)
{
    // The border in the program's pixels, whole ones. At a scale of a
    // fraction the window's pixels are rounded to the screen's, and the
    // outer window may come out one more than it reads.
    const auto up = [scale](int px) { return int(std::ceil(px / scale - 1e-9)); };
    const int rounding = border.isNull() || scale == std::round(scale) ? 0 : 1;
    const QSize extra(up(border.left()) + up(border.right()) + rounding, up(border.top()) + up(border.bottom()) + rounding);
    // An edge of the free area inside the screen (a panel's) is a fraction
    // of a pixel of the window at such a scale, and may round outwards.
    if (scale != std::round(scale))
        free.adjust(free.left() > screen.left(), free.top() > screen.top(), -int(free.right() < screen.right()),
                    -int(free.bottom() < screen.bottom()));
    const QSize size = client.boundedTo(free.size() - extra).expandedTo(QSize(0, 0));
    const auto within = [](int at, int from, int room, int extent) {
        return std::clamp(at, from, std::max(from, from + room - extent));
    };
    return {QPoint(within(outer.x(), free.x(), free.width(), size.width() + extra.width()),
                   within(outer.y(), free.y(), free.height(), size.height() + extra.height())),
            size};
}

namespace {

bool heldByWindowManager(const QWidget* w)
{
    return w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)
        || (X11Frame::active() && w->testAttribute(Qt::WA_WState_Created) && X11Frame::heldByWindowManager(w->winId()));
}

// On X11 the program sets the client area's place itself, from the border
// the window manager announced: the toolkit's own reckoning of the frame
// from its place takes the border as it last saw it, which may be none yet.
bool placesTheClient() { return X11Frame::active(); }

} // namespace

void ScreenFit::apply()
{
    const QSize size(Twips::px(form_.Width()), Twips::px(form_.Height()));
    if (form_.isPlaced()) {
        place(QPoint(Twips::px(form_.Left()), Twips::px(form_.Top())), size);
    } else if (window_->isVisible()) {
        place(standsAt(border_).outer, size);
    } else {
        place(std::nullopt, size);
    }
}

void ScreenFit::resizeWhereItStands()
{
    if (!window_->isVisible()) {
        apply();
        return;
    }
    place(standsAt(border_).outer, QSize(Twips::px(form_.Width()), Twips::px(form_.Height())));
}

void ScreenFit::place(std::optional<QPoint> outer, QSize size)
{
    if (heldByWindowManager(window_)) return;
    if (placesTheClient() && window_->testAttribute(Qt::WA_WState_Created)) {
        // The border announced by now is the one to place the window with;
        // a placement made before any is announced is made again then.
        const std::optional<QMargins> announced = X11Frame::border(window_->winId());
        if (announced) border_ = *announced;
        if (outer && !announced) pending_ = Placement{*outer, size};
        else pending_.reset();
    }
    const QScreen* screen = outer ? QGuiApplication::screenAt(*outer) : nullptr;
    if (!screen) screen = window_->screen();
    const qreal scale = window_->devicePixelRatioF();
    // Off X11 the toolkit's own frame is the border, such as it knows it.
    if (!placesTheClient()) {
        const QRect o = window_->frameGeometry(), i = window_->geometry();
        border_ = QMargins(i.left() - o.left(), i.top() - o.top(), o.right() - i.right(), o.bottom() - i.bottom()) * scale;
    }
    const Placed p = fitted(outer.value_or(screen->availableGeometry().topLeft()), size, border_, scale,
                            screen->availableGeometry(), screen->geometry());
    // A window without a place of its own is placed by the window manager.
    if (!outer) {
        window_->resize(p.client);
        return;
    }
    if (!placesTheClient()) {
        window_->resize(p.client);
        window_->move(p.outer);
        return;
    }
    // The client area's place and size in one: the toolkit's idea of the
    // window stays what the server is asked for.
    const QPoint device = (QPointF(p.outer) * scale).toPoint() + QPoint(border_.left(), border_.top());
    window_->setGeometry(QRect((QPointF(device) / scale).toPoint(), p.client));
}

ScreenFit::Placement ScreenFit::standsAt(QMargins border) const
{
    if (placesTheClient() && window_->testAttribute(Qt::WA_WState_Created))
        if (const auto client = X11Frame::clientArea(window_->winId())) {
            const qreal scale = window_->devicePixelRatioF();
            return {(QPointF(client->topLeft() - QPoint(border.left(), border.top())) / scale).toPoint(),
                    (QSizeF(client->size()) / scale).toSize()};
        }
    return {window_->frameGeometry().topLeft(), window_->size()};
}

void ScreenFit::keepWhole(QMargins border)
{
    if (!window_->isVisible() || heldByWindowManager(window_)) return;
    const Placement at = standsAt(border);
    const QScreen* screen = window_->screen();
    const Placed p = fitted(at.outer, at.client, border_, window_->devicePixelRatioF(), screen->availableGeometry(),
                            screen->geometry());
    // With another border the client area goes, the outer window stays.
    if (border != border_ || p != Placed{at.outer, at.client}) place(at.outer, at.client);
}

void ScreenFit::borderChanged()
{
    if (!window_->testAttribute(Qt::WA_WState_Created)) return;
    // A maximised or minimised window has the window manager's border until
    // it is restored, where it stood, with the border it had.
    if (heldByWindowManager(window_)) return;
    const QMargins now = X11Frame::border(window_->winId()).value_or(QMargins());
    if (pending_) {
        // The program's own placement, now with the border it stands in.
        const Placement p = *pending_;
        place(p.outer, p.client);
        return;
    }
    if (now == border_) return;
    const QMargins was = border_;
    border_ = now;
    keepWhole(was);
}

void ScreenFit::watch()
{
    QWindow* handle = window_->windowHandle();
    if (!handle || handle == handle_) return;
    handle_ = handle;
    X11Frame::onBorderChanged(window_->winId(), handle, [this] { borderChanged(); });
    connect(handle, &QWindow::screenChanged, this, [this](QScreen* s) {
        watchFreeArea(s);
        keepWhole(border_);
    });
    watchFreeArea(handle->screen());
}

void ScreenFit::watchFreeArea(QScreen* screen)
{
    disconnect(freeArea_);
    if (screen) freeArea_ = connect(screen, &QScreen::availableGeometryChanged, this, [this] { keepWhole(border_); });
}

bool ScreenFit::eventFilter(QObject* o, QEvent* e)
{
    // The program shows the window: its own placement. A restore from
    // minimised comes from the window manager, and keeps the place.
    if (o == window_ && e->type() == QEvent::Show && !e->spontaneous()) {
        watch();
        if (X11Frame::active()) {
            X11Frame::askBorder(window_->winId());
            border_ = X11Frame::border(window_->winId()).value_or(QMargins());
        }
        if (form_.isPlaced()) apply();
        else place(std::nullopt, QSize(Twips::px(form_.Width()), Twips::px(form_.Height())));
    }
    return false;
}
