#include "shell/ui/ScreenFit.h"

#include "shell/ui/Form.h"
#include "shell/ui/Twips.h"

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

QMargins ScreenFit::border() const
{
    const QRect outer = window_->frameGeometry(), inner = window_->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void ScreenFit::apply()
{
    std::optional<QPoint> at;
    if (form_.isPlaced()) at = QPoint(Twips::px(form_.Left()), Twips::px(form_.Top()));
    const QScreen* screen = at ? QGuiApplication::screenAt(*at) : nullptr;
    fit(at, screen ? screen : window_->screen());
}

void ScreenFit::refit()
{
    if (window_->isVisible()) fit(std::nullopt, window_->screen());
}

void ScreenFit::fit(std::optional<QPoint> outerTopLeft, const QScreen* screen)
{
    // A maximised, minimised or full-screen window is where the window manager keeps it.
    if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) return;
    border_ = border();
    // At a scale of a fraction the border's pixels are rounded to whole
    // pixels of the window, and may add up to one more than they read.
    const qreal scale = window_->devicePixelRatioF();
    const int rounding = border_.isNull() || scale == std::round(scale) ? 0 : 1;
    const QSize extra(border_.left() + border_.right() + rounding, border_.top() + border_.bottom() + rounding);
    // An edge of the free area inside the screen (a panel's) is a fraction
    // of a pixel of the window at such a scale, and may round outwards.
    QRect free = screen->availableGeometry();
    if (rounding) {
        const QRect whole = screen->geometry();
        free.adjust(free.left() > whole.left(), free.top() > whole.top(), -int(free.right() < whole.right()),
                    -int(free.bottom() < whole.bottom()));
    }
    const QSize size = QSize(Twips::px(form_.Width()), Twips::px(form_.Height())).boundedTo(free.size() - extra).expandedTo(QSize(0, 0));
    const auto within = [](int at, int from, int room, int extent) {
        return std::clamp(at, from, std::max(from, from + room - extent));
    };
    // A window that has not been shown and has no place of its own is placed
    // by the window manager; it is fitted once it stands.
    if (outerTopLeft || window_->isVisible()) {
        const QPoint at = outerTopLeft ? *outerTopLeft : window_->frameGeometry().topLeft();
        window_->move(within(at.x(), free.x(), free.width(), size.width() + extra.width()),
                      within(at.y(), free.y(), free.height(), size.height() + extra.height()));
    }
    window_->resize(size);
}

void ScreenFit::watch()
{
    QWindow* handle = window_->windowHandle();
    if (!handle || handle == handle_) return;
    handle_ = handle;
    handle->installEventFilter(this);
    connect(handle, &QWindow::screenChanged, this, [this](QScreen* s) {
        watchFreeArea(s);
        refit();
    });
    watchFreeArea(handle->screen());
}

void ScreenFit::watchFreeArea(QScreen* screen)
{
    disconnect(freeArea_);
    if (screen) freeArea_ = connect(screen, &QScreen::availableGeometryChanged, this, &ScreenFit::refit);
}

bool ScreenFit::eventFilter(QObject* o, QEvent* e)
{
    if (o == window_ && e->type() == QEvent::Show) {
        watch();
        apply();
    } else if (e->type() == QEvent::Expose || e->type() == QEvent::Move || e->type() == QEvent::Resize) {
        // The window manager's border arrives after the window is shown; the
        // place it was given was measured without it.
        if (window_->isVisible() && border() != border_) apply();
    }
    return false;
}
