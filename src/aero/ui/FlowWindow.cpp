#include "aero/ui/FlowWindow.h"

#include "runtime/Error.h"
#include "runtime/Utilities.h"
#include "shell/ui/Funct_txt_check.h"
#include "shell/ui/NumberBox.h"

#include <QLabel>
#include <QLineEdit>

FlowWindow::FlowWindow(const QString& name, const QString& title, const FlowLayout::Design& design, Inputs inputs)
    : ToolWindow(name), design_(design), inputs_(inputs)
{
    setWindowTitle(title);
    setClientSize(FlowLayout::clientWidth, FlowLayout::clientHeight);
}

void FlowWindow::setupUi(QWidget* body)
{
    ui_ = FlowLayout::build(body, design_);
    NumberBox& mach = NumberBox::of(ui_.mach).accepts(Funct_txt_check::key_numeric).within(inputs_.machMinimum);
    mach.keeps([this] { return mach_; });
    connect(&mach, &NumberBox::changed, this, [this] { machChanged(); });
    NumberBox& gama = NumberBox::of(ui_.gama).accepts(Funct_txt_check::key_numeric).within(inputs_.gamaMinimum);
    gama.keeps([this] { return gama_; });
    connect(&gama, &NumberBox::changed, this, [this] { TxtGama_Change(); });
}

void FlowWindow::Form_Load()
{
    mach_ = lastMach_ = inputs_.machStart;
    gama_ = lastGama_ = 1.4;
    Fpcalcpopulall();
    for (size_t i = 0; i < design_.outputs.size(); ++i)
        if (const char* caption = design_.outputs[i].loadedCaption) ui_.outputLabels[i]->setText(caption);
}

void FlowWindow::changed(QLineEdit* box, double& last, double& input)
{
    rt::trap([&] {
        // The minimum is the box's own; a refused number was put back, and the
        // box's number is then the one put back.
        last = Funct_txt_check::check_range(box, last);
        input = NumberBox::of(box).number();
        Fpcalcpopulall();
    });
}

void FlowWindow::machChanged() { changed(ui_.mach, lastMach_, mach_); }
void FlowWindow::TxtGama_Change() { changed(ui_.gama, lastGama_, gama_); }


void FlowWindow::Fpcalcpopulall()
{
    if (gama_ == 1.0) return;
    const std::array<double, 6> r = ratios(mach_, gama_);
    for (size_t i = 0; i < ui_.outputs.size(); ++i) NumberBox::of(ui_.outputs[i]).show(Utilities::format_result(r[i]));
}
