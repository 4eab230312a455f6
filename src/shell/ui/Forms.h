#pragma once
// One instance per window type, made on first use, and the collection of
// loaded windows (the frame counts as one while it is open). The windows and
// the frame belong to the Forms::Owner that the application object holds.
#include <QList>
#include <memory>
#include <typeindex>

class MDIForm1;
class ToolWindow;

namespace Forms {

// Owns the frame and every window made through Forms. QuillApp holds the one
// owner of the program, so they are destroyed while the application object
// still stands: the windows last-made first, then the frame.
class Owner {
public:
    Owner();
    ~Owner();
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    struct State;

private:
    std::unique_ptr<State> state_;
};

// The frame, made on first use.
MDIForm1& frame();
// The frame, or null before it is made and once the owner tears down.
MDIForm1* frameIfAny();

ToolWindow* find(std::type_index type);
// Takes `w` into the owner; a window that lives inside the frame is handed
// the frame's client area here.
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
const QList<ToolWindow*>& loaded();
void markLoaded(ToolWindow* w, bool isLoaded);
// Loaded windows, the frame included.
int loadedCount();

} // namespace Forms
