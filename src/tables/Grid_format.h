#pragma once
// The column-format string of the flex grids: "|" separates segments; those
// before ";" are the texts of row 0 from column 0 on, those after it the texts
// of column 0 from row 0 on. A leading "^", "<" or ">" sets the column's
// alignment and is not part of the text.
#include <QList>
#include <QString>
#include <QStringList>

namespace Grid_format {

enum class Align { General, Left, Center, Right };

struct Layout {
    QStringList columnHeadings; // row 0, column by column
    QList<Align> alignment;     // one per column heading
    QStringList rowHeadings;    // column 0, row by row (row 0 included)
    int rows() const;           // enough rows for every segment (at least 1)
    int cols() const;           // enough columns for every segment (at least 1)
};

Layout parse(const QString& format);

} // namespace Grid_format
