#include "aero/ui/FlowLayout.h"

#include "aero/ui/UiBuild.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace FlowLayout {
namespace {
constexpr double frameLeft = 38, frameWidth = 4590;
constexpr double captionLeft = 120, captionWidth = 1500;
constexpr double boxLeft = 1650, boxWidth = 855, boxHeight = 285;
constexpr double unitLeft = boxLeft + boxWidth + 75;
constexpr double rowPitch = 370, firstRow = 270;

QLineEdit* row(QWidget* frame, const Row& r, double top, QLabel** labelOut = nullptr)
{
    QLabel* l = UiBuild::label(frame, r.labelName, r.caption, captionLeft, top + 45, captionWidth, 240);
    if (labelOut) *labelOut = l;
    UiBuild::label(frame, QString(), "[~]", unitLeft, top + 45, 400, 240);
    return UiBuild::box(frame, r.box, r.text, boxLeft, top, boxWidth, boxHeight);
}
} // namespace

Controls build(QWidget* body, const Design& d)
{
    Controls c;
    QGroupBox* in = UiBuild::frame(body, QString(), d.inputCaption, frameLeft, 0, frameWidth, 1050);
    c.mach = row(in, d.mach, firstRow);
    c.gama = row(in, {"TxtGama", "", "Gama:", "1.4"}, firstRow + rowPitch);

    QGroupBox* out = UiBuild::frame(body, "FIsentropicCompressFLow1D", "Output:", frameLeft, 1065, frameWidth, 2610);
    for (size_t i = 0; i < d.outputs.size(); ++i)
        c.outputs[i] = row(out, d.outputs[i], firstRow + rowPitch * double(i), &c.outputLabels[i]);

    QGroupBox* conv = UiBuild::frame(body, QString(), "Conventions:", frameLeft, 3705, frameWidth, 1545);
    for (qsizetype i = 0; i < d.conventions.size(); ++i)
        UiBuild::label(conv, QString(), d.conventions[i], captionLeft, 285 + 300 * double(i), 4350, 240);
    return c;
}

} // namespace FlowLayout
