#pragma once
// Every window of the program with the menu item that opens it: the table
// the program hands the frame (QuillApp), and the one the tests read to
// reach every window. It stands above the subsystems, which the shell
// below it does not know.
#include "shell/ui/MenuTable.h"

namespace WindowCatalog {

using Item = MenuTable::Item;
using Menu = MenuTable::Menu;

std::span<const Menu> menus();
// The item named `name`, or null.
const Item* item(const QString& name);
// The window the item named `menuItem` opens, or null for one that opens nothing.
ToolWindow* instanceFor(const QString& menuItem);

} // namespace WindowCatalog
