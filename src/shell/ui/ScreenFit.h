#pragma once
// Keeps a window that stands on the desktop whole inside its screen's free
// area, caption bar and border included, so the user can always reach them to
// move or close it.
//
// The program places a window only at its own placements: when its place or
// size is set, and when it is shown. Everything else keeps the window where
// it stands, whoever put it there (the user, the window manager), and moves it
// only as far as it takes to keep it whole on the free area: a change of its
// border, of its screen or of that screen's free area. The border is the one
// the window manager announces (on X11); without a window manager it is none.
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <optional>

class Form;
class QScreen;
class QWidget;

class ScreenFit : public QObject {
    Q_OBJECT
public:
    // Watches `window` (a window of its own, no parent), which `form`'s
    // place and size describe, and is owned by it. The form's Left and Top
    // are the outer window's place; a form never placed stands where the
    // window manager or the user put it.
    ScreenFit(QWidget* window, const Form& form);

    // Moves and sizes the window to the form's place and size, moved and
    // shrunk into the free area of the screen at that place.
    void apply();
    // Sizes the window to the form's size where it stands, kept whole.
    void resizeWhereItStands();

    // Where the outer window (caption bar and border included) goes, and the
    // size of its client area, in the program's pixels: `outer` and `client`
    // moved and shrunk into `free`, a part of `screen`. `border` is in the
    // screen's own pixels, `scale` of them to one of the program's.
    struct Placed {
        QPoint outer;
        QSize client;
        bool operator==(const Placed&) const = default;
    };
    static Placed fitted(QPoint outer, QSize client, QMargins border, qreal scale, QRect free, QRect screen);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Places the outer window at `outer` (or, with none, leaves its place to
    // the window manager) with the client `size`, fitted.
    void place(std::optional<QPoint> outer, QSize size);
    // The window where it stands, fitted again. `border` is the border it
    // stood with.
    void keepWhole(QMargins border);
    // The outer window's top-left as it stands with `border`, and its client size.
    struct Placement {
        QPoint outer;
        QSize client;
    };
    Placement standsAt(QMargins border) const;
    void borderChanged();
    void watch();
    void watchFreeArea(QScreen* screen);

    QWidget* window_;
    const Form& form_;
    // As the window manager announced it, in the screen's pixels.
    QMargins border_;
    QPointer<QObject> handle_;
    QMetaObject::Connection freeArea_;
    // The program's latest own placement (the outer place and the client
    // size asked for) while it waits for the border: made before the window
    // manager announced one, it is made again once it does. What the window
    // manager reports of the window meanwhile is its framing, not a place
    // to keep.
    std::optional<Placement> pending_;
};
