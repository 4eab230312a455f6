#include "tables/Rivet_table.h"

#include "tables/Grid_format.h"

namespace Rivet_table {
namespace {

// Columns: general rule (in rivet diameters D, MT = material thickness),
// then 1/16, 3/32, 1/8, 5/32, 3/16, 1/4 and 5/16 inch.
constexpr const char* kCells[rows][cols] = {
        {" - ", "  ", " 0.0980 ", " 0.1285 ", " 0.1590 ", " 0.1910 ", " 0.2570 ", "  "},
        {" Std 0.002-0.004 ", " ", " 0.0043 ", " 0.0035 ", " 0.00275 ", " 0.0035 ", " 0.007 ", " "},
        {" - ", " #51 ", " 40 ", " 30 ", " 21 ", " 11 ", " F (6.4MM)", " #O "},
        {" - ", "  ", " SILVER ", " COPPER ", " BLACK ", " GOLD ", " GREEN ", "  "},
        {" - ", "  ", " 2-3 lbs. ", " 3-4 lbs. ", " 3-4.5 lbs. ", " 4-5 lbs. ", " 5-6.5 lbs. ", "  "},
        {" 3D ", "  3/16 ", " 9/32 ", " 3/8 ", " 15/32 ", " 9/16 ", " 3/4 ", " 15/16 "},
        {" 12D ", " 3/4 ", "1 1/8", " 1 1/2 ", " 1 7/8 ", " 2 1/4 ", " 3 ", " 3 3/4"},
        {" Min 2D ", "      1/8    ", " 3/16  ", " 1/4 ", " 5/16 ", " 3/8 ", " 1/2 ", " 5/8 "},
        {" Max 4D ", "      1/4    ", " 3/8  ", " 1/2 ", " 5/8 ", " 3/4 ", " 1 ", " 1 1/4 "},
        {" Std 1.5D  ", "      5/64   ", "      1/8 ", "     11/64   ", "     13/64   ", "      1/4    ", "     21/64   ", "     13/32   "},
        {" Std 1.5D ", "      1/8    ", "      5/32", "      7/32   ", "      9/32   ", "  11/32   ", "     27/64   ", "      5/8    "},
        {" Std 0.5D  ", "      1/32   ", "      1/32", "      3/64   ", "      1/16   ", "      5/64   ", "      3/32   ", "      1/8    "},
        {" Std 0.5D  ", "      1/16   ", "      1/16", "      5/64   ", "      3/32   ", "      1/8    ", "      5/32   ", "      5/16   "},
        {" 1.5D  ", "      3/32   ", "      9/64", "      3/16   ", "     15/64   ", "      9/32   ", "      3/8    ", "     15/32   "},
        {" MT + 1.5D ", " MT + 3/32 ", " MT + 9/64 ", " MT + 3/16 ", " MT + 15/64 ", " MT +  9/32 ", " MT + 3/8  ", " MT + 15/32 "},
};

} // namespace

QString formatString()
{
    // The padding blanks of the headings set the column widths.
    return QStringLiteral("|^     General Specifications    |^ 1/16 (0.0625) |^ 3/32 (0.0937) |^ 1/8 (0.125) "
                          "|^ 5/32 (0.15625)  |^ 3/16 (0.1875) |^ 1/4 (0.25) |^ 5/16 (0.3125) ")
        + QStringLiteral("; Rivet Diameter | Drill Decimal | Oversize Drill | Drill Number | Cleco Color "
                         "| Buck.Bar Weight ")
        + QStringLiteral("| Min.Rivet Pitch | Max. Rivet Pitch | Min.Edge Dist. | Max.Edge Dist. "
                         "| Min Upset Diam. | Max Upset Diam. | Min Upset Height ")
        + QStringLiteral("| Max Upset Height| Grip Length Allowance | Shank Length(MT-Mat.Thick) ");
}

QString cell(int row, int col)
{
    if (row < 1 || row > rows || col < 1 || col > cols) return {};
    return QString::fromLatin1(kCells[row - 1][col - 1]);
}

QString byDiameterFormatString()
{
    // The headings are those of the grid above, swapped: its row headings
    // across, its diameter headings (columns 2 to 8) down.
    const Grid_format::Layout l = Grid_format::parse(formatString());
    QStringList across, down{l.rowHeadings.first()};
    for (int c = 0; c <= byDiameterCols; ++c) across << "^" + l.rowHeadings[c];
    for (int r = 1; r <= byDiameterRows; ++r) down << l.columnHeadings[r + 1];
    return across.join('|') + ";" + down.join('|');
}

QString byDiameterCell(int row, int col)
{
    if (row < 1 || row > byDiameterRows || col < 1 || col > byDiameterCols) return {};
    return cell(col, row + 1);
}

} // namespace Rivet_table
