#include "aero/ui/FlowLayout.h"

#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace FlowLayout {
namespace {
constexpr double frameLeft = 38, frameWidth = 4590;
constexpr double captionLeft = 120, captionWidth = 1500;
// Wide enough in the desktop font for a result such as "-8.8888E-88" or "4.2439E+04",
// and for "10000.00".
constexpr double boxLeft = 1650, boxWidth = 1230, boxHeight = 285;
constexpr double unitLeft = boxLeft + boxWidth + 75;
constexpr double rowPitch = 370, firstRow = 270;
constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

QLineEdit* row(QWidget* frame, const Row& r, double top, QLabel** labelOut = nullptr)
{
    QLabel* l = Controls::label(frame, r.labelName, r.caption, Twips::rect(captionLeft, top + 45, captionWidth, 240),
                                topLeft);
    if (labelOut) *labelOut = l;
    Controls::label(frame, QString(), "[~]", Twips::rect(unitLeft, top + 45, 400, 240), topLeft);
    QLineEdit* box = Controls::textBox(frame, r.box, r.text, Twips::rect(boxLeft, top, boxWidth, boxHeight));
    box->setCursorPosition(0);
    return box;
}
} // namespace

Widgets build(QWidget* body, const Design& d)
{
    Widgets c;
    QGroupBox* in = Controls::tightFrame(body, QString(), d.inputCaption, Twips::rect(frameLeft, 0, frameWidth, 1050));
    c.mach = row(in, d.mach, firstRow);
    c.gama = row(in, {"TxtGama", "", "Gama:", "1.4"}, firstRow + rowPitch);

    QGroupBox* out = Controls::tightFrame(body, "FIsentropicCompressFLow1D", "Output:",
                                          Twips::rect(frameLeft, 1065, frameWidth, 2610));
    for (size_t i = 0; i < d.outputs.size(); ++i)
        c.outputs[i] = row(out, d.outputs[i], firstRow + rowPitch * double(i), &c.outputLabels[i]);

    QGroupBox* conv =
        Controls::tightFrame(body, QString(), "Conventions:", Twips::rect(frameLeft, 3705, frameWidth, 1545));
    for (qsizetype i = 0; i < d.conventions.size(); ++i)
        Controls::label(conv, QString(), d.conventions[i], Twips::rect(captionLeft, 285 + 300 * double(i), 4350, 240),
                        topLeft);
    return c;
}

} // namespace FlowLayout
