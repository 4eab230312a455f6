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

// The same data one row per rivet diameter: rows 1 to 7 are the diameters
// 1/16 to 5/16 inch, column 0 their headings, columns 1 to 8 the quantities
// from the drill decimal to the minimum edge distance.
constexpr int byDiameterRows = 7;
constexpr int byDiameterCols = 8;

// Column-format string of that layout: centred quantity headings across row
// 0 (" Rivet Diameter " first), the diameter headings down column 0.
QString byDiameterFormatString();

// The text of row `row` (1..byDiameterRows), column `col` (1..byDiameterCols).
QString byDiameterCell(int row, int col);

} // namespace Rivet_table
