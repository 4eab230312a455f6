#pragma once
// One instance per window type, made on first use, and the collection of
// loaded windows, read off the windows themselves (the frame counts as one
// while it is open). Each window has one owner. A window that lives inside
// the frame belongs to its sub-window in the frame's client area, the Qt
// parent tree down from the frame. The frame and the windows that stand
// beside it have no Qt parent (a parent would make them the frame's own
// windows, kept above it and minimised with it); they belong to the
// Forms::Owner that the application object holds.
#include <QList>
#include <memory>
#include <typeindex>

class Form;
class QMdiArea;
class QWidget;
class ToolWindow;

namespace Forms {

// QuillApp holds the one owner of the program, so the windows are destroyed
// while the application object still stands: every window's controls
// first, then the windows beside the frame, newest first, then the frame
// with the windows inside it.
class Owner {
public:
    // `clientArea` gives the frame's client area, where a window that lives
    // inside the frame is put; the frame is made on first need.
    explicit Owner(QMdiArea* (*clientArea)());
    ~Owner();
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    struct State;

private:
    std::unique_ptr<State> state_;
};

// Takes the frame into the owner; `frame` and `form` are the same window.
void holdFrame(std::unique_ptr<QWidget> frame, const Form& form);

ToolWindow* find(std::type_index type);
// Takes `w` in: a window that lives inside the frame goes to the frame's
// client area, whose sub-window holds it from then on; any other is held by
// the owner.
ToolWindow& keep(std::type_index type, std::unique_ptr<ToolWindow> w);

// The single instance of T, created on first use.
template <class T>
T& instance()
{
    if (auto* w = find(typeid(T))) return *static_cast<T*>(w);
    return static_cast<T&>(keep(typeid(T), std::make_unique<T>()));
}

template <class T>
T* existing() { return static_cast<T*>(find(typeid(T))); }

template <class T>
T& open()
{
    T& w = instance<T>();
    w.showForm();
    return w;
}

// Loaded tool windows, in the order they were loaded.
QList<ToolWindow*> loaded();
// Loaded windows, the frame included.
int loadedCount();

} // namespace Forms
