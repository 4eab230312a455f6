#pragma once
// What both rivet windows put in their heading label at load.
#include <QString>

namespace RivetCaption {
inline QString text() { return QStringLiteral("Rivets, Drill sizes, Clecos and Buckbars\r\nAll units are in [inches]"); }
inline constexpr const char* windowCaption = "Rivets, Drills, Glecos, Bucking Bar-Minimums";
} // namespace RivetCaption
