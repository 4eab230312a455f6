#pragma once
// The drill-size reference: number, letter and fractional-inch drills merged
// by diameter, each with its diameter in inches and millimetres. Every cell is
// a fixed text; the grid shows them as they are.
#include <QString>
#include <QStringList>

namespace Drill_sizes {

constexpr int rows = 171; // the header row and 170 drills
constexpr int cols = 3;

// The 513 cell texts in cell-index order (row * cols + column).
const QStringList& cells();

} // namespace Drill_sizes
