#pragma once
// The shape of the frame's menu bar: menus in menu-bar order, each with its
// items and what each item opens. The frame builds its menu bar from such a
// table and opens windows through it; the program hands it the table.
#include <QString>
#include <initializer_list>
#include <span>

class MDIForm1;
class ToolWindow;

namespace MenuTable {

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

// The item of `menus` named `name`, or null.
const Item* find(std::span<const Menu> menus, const QString& name);
// The window that item opens, or null for an unknown item or one that opens nothing.
ToolWindow* windowOf(std::span<const Menu> menus, const QString& name);

} // namespace MenuTable
