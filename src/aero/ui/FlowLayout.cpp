#include "aero/ui/FlowLayout.h"

#include "aero/ui/UnitRow.h"
#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"

#include <QGroupBox>

namespace FlowLayout {
namespace {
constexpr double frameLeft = 38, frameWidth = 4590;
constexpr double captionLeft = 120, rowPitch = 370, firstRow = 270;
constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
// The box is wide enough in the desktop font for a result such as
// "-8.8888E-88" or "4.2439E+04", and for "10000.00".
constexpr double boxLeft = 1650, boxWidth = 1230;
constexpr UnitRow::Columns kColumns{captionLeft, 1500, boxLeft, boxWidth, 285, boxLeft + boxWidth + 75, 400, 45};

UnitRow::Made row(QWidget* frame, const Row& r, double top)
{
    return UnitRow::add(frame, {r.box, r.labelName, "", "[~]"}, r.caption, r.text, kColumns, top);
}
} // namespace

Widgets build(QWidget* body, const Design& d)
{
    Widgets c;
    QGroupBox* in = Controls::tightFrame(body, QString(), d.inputCaption, Twips::rect(frameLeft, 0, frameWidth, 1050));
    c.mach = row(in, d.mach, firstRow).box;
    c.gama = row(in, {"TxtGama", "", "Gama:", "1.4"}, firstRow + rowPitch).box;

    QGroupBox* out = Controls::tightFrame(body, "FIsentropicCompressFLow1D", "Output:",
                                          Twips::rect(frameLeft, 1065, frameWidth, 2610));
    for (size_t i = 0; i < d.outputs.size(); ++i) {
        const UnitRow::Made made = row(out, d.outputs[i], firstRow + rowPitch * double(i));
        c.outputs[i] = made.box;
        c.outputLabels[i] = made.caption;
    }

    QGroupBox* conv =
        Controls::tightFrame(body, QString(), "Conventions:", Twips::rect(frameLeft, 3705, frameWidth, 1545));
    for (qsizetype i = 0; i < d.conventions.size(); ++i)
        Controls::label(conv, QString(), d.conventions[i], Twips::rect(captionLeft, 285 + 300 * double(i), 4350, 240),
                        topLeft);
    return c;
}

} // namespace FlowLayout
