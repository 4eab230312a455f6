#pragma once
// Which window each menu item opens. Returns the window's single instance,
// created on first use, or null for an item that opens nothing.
#include <QString>

class ToolWindow;

namespace WindowCatalog {
ToolWindow* instanceFor(const QString& menuItem);
}
