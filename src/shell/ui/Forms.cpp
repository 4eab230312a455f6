#include "shell/ui/Forms.h"

#include "shell/ui/MDIForm1.h"

#include <map>

namespace Forms {
namespace {
std::map<std::type_index, ToolWindow*>& instances()
{
    static std::map<std::type_index, ToolWindow*> m;
    return m;
}
QList<ToolWindow*>& loadedList()
{
    static QList<ToolWindow*> l;
    return l;
}
} // namespace

ToolWindow* find(std::type_index type)
{
    auto it = instances().find(type);
    return it == instances().end() ? nullptr : it->second;
}

void remember(std::type_index type, ToolWindow* w) { instances()[type] = w; }

const QList<ToolWindow*>& loaded() { return loadedList(); }

void markLoaded(ToolWindow* w, bool isLoaded)
{
    loadedList().removeAll(w);
    if (isLoaded) loadedList().append(w);
}

int loadedCount() { return static_cast<int>(loadedList().size()) + (MDIForm1::isOpen() ? 1 : 0); }

} // namespace Forms
