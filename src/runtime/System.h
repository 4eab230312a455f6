#pragma once
#include <QString>

namespace rt {
bool fileExists(const QString& path);
// Starts the program at path directly (never through a shell); a path that
// cannot be started raises "Invalid procedure call or argument".
void startProgram(const QString& path);
} // namespace rt
