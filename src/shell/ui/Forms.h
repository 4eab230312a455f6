#pragma once
// One instance per window type for the life of the program, and the
// collection of loaded windows (the frame counts as one while it is open).
#include <QList>
#include <functional>
#include <typeindex>

class ToolWindow;

namespace Forms {

ToolWindow* find(std::type_index type);
void remember(std::type_index type, ToolWindow* w);

// The single instance of T, created on first use.
template <class T>
T& instance()
{
    if (auto* w = find(typeid(T))) return *static_cast<T*>(w);
    auto* w = new T();
    remember(typeid(T), w);
    return *w;
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
