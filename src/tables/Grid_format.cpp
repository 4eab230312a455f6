#include "tables/Grid_format.h"

#include <algorithm>

namespace Grid_format {

int Layout::rows() const { return std::max<int>(1, rowHeadings.size()); }
int Layout::cols() const { return std::max<int>(1, columnHeadings.size()); }

Layout parse(const QString& format)
{
    Layout l;
    const qsizetype semi = format.indexOf(';');
    const QString colPart = semi < 0 ? format : format.left(semi);
    if (!colPart.isEmpty()) {
        for (QString seg : colPart.split('|')) {
            Align a = Align::General;
            if (seg.startsWith('^')) a = Align::Center;
            else if (seg.startsWith('<')) a = Align::Left;
            else if (seg.startsWith('>')) a = Align::Right;
            if (a != Align::General) seg.remove(0, 1);
            l.columnHeadings << seg;
            l.alignment << a;
        }
    }
    if (semi >= 0) l.rowHeadings = format.mid(semi + 1).split('|');
    return l;
}

} // namespace Grid_format
