#pragma once
// Boxes whose number the window keeps. A text beyond the double range cannot
// be kept: it is reported once and the box goes back to the text it had
// before the key or the paste, so the box never shows a number other than
// the one the window holds. The change handler never sees such a text.
#include <QList>
#include <QStringView>
#include <functional>

class QLineEdit;
class QWidget;

namespace KeptValue {

using Reading = std::function<double(QStringView)>;

// Runs `onChange` (may be empty) on every change of the box's text that can
// be read. `kept`, when given, returns the number the window keeps for the
// box; `read` is how the window reads the box.
void connect(QLineEdit* box, std::function<void()> onChange, std::function<double()> kept = {},
             Reading read = {});

// Runs `onEdit` on every change of the box's text that the user makes and
// that can be read: a typed key that changes the text, a paste, a drop, an
// undo. A write by code, and a key that changes nothing (an arrow, Tab, a
// refused key), run nothing.
void connectEdits(QLineEdit* box, std::function<void()> onEdit);

// Boxes under `root` whose kept number differs from the reading of their
// text (a text beyond the double range reads as infinity). A text the box's
// own reading refuses as no number, and a number still being typed below
// its minimum, are not counted.
struct Disagreement {
    QLineEdit* box;
    double kept;
    double shown;
};
QList<Disagreement> disagreements(const QWidget* root);

} // namespace KeptValue
