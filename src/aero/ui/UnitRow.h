#pragma once
// A row of the aero windows: "caption [box] unit", the caption and the unit
// set a little lower than the box so that their text stands on the line of
// the box's text.
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace UnitRow {

// The objectNames of the box and of its two labels, and the unit's text.
struct Names {
    const char* box;
    const char* captionName;
    const char* unitName;
    const char* unit;
};

// Where a row's controls stand, in twips.
struct Columns {
    double captionLeft, captionWidth;
    double boxLeft, boxWidth, boxHeight;
    double unitLeft, unitWidth;
    double drop; // of the caption and the unit below the box's top
};

struct Made {
    QLabel* caption;
    QLineEdit* box;
};

// Adds the row with its box's top at `top`, in `parent`'s coordinates.
Made add(QWidget* parent, const Names& n, const QString& caption, const QString& text, const Columns& c,
               double top);

} // namespace UnitRow
