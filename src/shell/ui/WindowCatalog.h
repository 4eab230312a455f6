#pragma once
// The frame's menus in menu-bar order, with what each item opens: the one
// table the frame builds its menu bar from and opens windows through.
#include <QString>
#include <initializer_list>
#include <span>

class MDIForm1;
class ToolWindow;

namespace WindowCatalog {

struct Item {
    const char* name; // the action's objectName
    const char* caption;
    // The single instance of the window the item opens, made on first use;
    // null for an item that opens nothing.
    ToolWindow& (*window)() = nullptr;
    bool enabled = true;
    // The frame's handler, for an item that does more than show its window.
    void (MDIForm1::*handler)() = nullptr;
};

struct Menu {
    const char* name;
    const char* caption;
    bool shown; // a hidden menu is disabled as well
    std::initializer_list<Item> items;
};

std::span<const Menu> menus();
// The item named `name`, or null.
const Item* item(const QString& name);
// The window the item named `menuItem` opens, or null for one that opens nothing.
ToolWindow* instanceFor(const QString& menuItem);

} // namespace WindowCatalog
