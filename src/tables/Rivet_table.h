#pragma once
// Solid-rivet reference for sheet-metal work, 1/16 to 5/16 inch: drill,
// Cleco colour, bucking-bar weight, pitch, edge distance, upset head, grip and
// shank length. Every cell is a fixed text whose blanks belong to it.
#include <QString>

namespace Rivet_table {

constexpr int rows = 15; // quantities, rows 1 to 15 of the grid
constexpr int cols = 8;  // general rule, then seven diameters: columns 1 to 8

// The grid's column-format string: headings of row 0 and column 0.
QString formatString();

// The text of grid row `row` (1..rows), column `col` (1..cols).
QString cell(int row, int col);

} // namespace Rivet_table
