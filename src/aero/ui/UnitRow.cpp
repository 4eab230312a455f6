#include "aero/ui/UnitRow.h"

#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"

#include <QLabel>
#include <QLineEdit>

namespace UnitRow {

Made add(QWidget* parent, const Names& n, const QString& caption, const QString& text, const Columns& c, double top)
{
    constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    constexpr double labelHeight = 240;
    QLabel* l = Controls::label(parent, n.captionName, caption, Twips::rect(c.captionLeft, top + c.drop, c.captionWidth, labelHeight),
                    topLeft);
    QLineEdit* box = Controls::textBox(parent, n.box, text, Twips::rect(c.boxLeft, top, c.boxWidth, c.boxHeight));
    Controls::label(parent, n.unitName, n.unit, Twips::rect(c.unitLeft, top + c.drop, c.unitWidth, labelHeight),
                    topLeft);
    return {l, box};
}

} // namespace UnitRow
