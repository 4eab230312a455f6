#pragma once
// A text the program writes into a box shows from its first character: a
// number longer than its box keeps its sign and leading digits in view, where
// the box would scroll to its end. What the user types, pastes or drops keeps
// its caret where the edit left it, and so does what the window writes back
// into that box while it answers the edit (a refused number put back).
class QLineEdit;
class QWidget;

namespace TextStart {

// Every box under `root`, from its present text on. The editor of a spin box
// keeps its own caret.
void follow(QWidget* root);

// The whole text selected with the caret at its start, so that a box reached
// by the keyboard still shows where its text begins.
void selectWhole(QLineEdit* box);

} // namespace TextStart
