#pragma once
// Keeps a window that stands on the desktop whole inside its screen's free
// area, caption bar and border included, so the user can always reach them to
// move or close it. Under a window manager the border is known only once the
// manager has framed the window, so the window is placed again when its
// border shows up or changes, when it goes to another screen and when that
// screen's free area changes.
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
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

    // Moves and sizes the window to what is wanted, moved and shrunk into the
    // free area of the screen at the place asked for.
    void apply();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // The outer window at `outerTopLeft`, or where it stands, within `screen`'s free area.
    void fit(std::optional<QPoint> outerTopLeft, const QScreen* screen);
    // The current place on the current screen, fitted again (another screen, another free area).
    void refit();
    QMargins border() const;
    void watch();
    void watchFreeArea(QScreen* screen);

    QWidget* window_;
    const Form& form_;
    QMargins border_;
    QPointer<QObject> handle_;
    QMetaObject::Connection freeArea_;
};
