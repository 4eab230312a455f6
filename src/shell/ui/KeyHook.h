#pragma once
// Key notifications on any widget: key-down (key code
// and shift state), key-press (character code by reference: set it to 0 and
// the character never reaches the box) and key-up. Keys that carry no
// character (arrows, Delete, Shift) raise no key-press.
#include <QObject>
#include <functional>

class QWidget;

namespace KeyHook {

using KeyPress = std::function<void(int& keyAscii)>;
using KeyCode = std::function<void(int& keyCode, int shift)>; // shift: 1 Shift, 2 Ctrl, 4 Alt

void onKeyPress(QWidget* w, KeyPress f);
void onKeyDown(QWidget* w, KeyCode f);
void onKeyUp(QWidget* w, KeyCode f);

// True while a character that passed w's key-press handler is being typed
// into w (not for pastes, deletions or writes by code).
bool typing(const QWidget* w);

} // namespace KeyHook
