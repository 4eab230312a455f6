#include "shell/ui/MenuTable.h"

namespace MenuTable {

const Item* find(std::span<const Menu> menus, const QString& name)
{
    for (const Menu& m : menus)
        for (const Item& it : m.items)
            if (name == QLatin1String(it.name)) return &it;
    return nullptr;
}

ToolWindow* windowOf(std::span<const Menu> menus, const QString& name)
{
    const Item* it = find(menus, name);
    return it && it->window ? &it->window() : nullptr;
}

} // namespace MenuTable
