#include "shell/ui/Wforms.h"

#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/ToolWindow.h"

namespace Wforms {

void place_main_form(Form& w, std::optional<float> height, std::optional<float> width)
{
    w.setTop(1000);
    w.setLeft(1000);
    w.setHeight(height.value_or(9500));
    w.setWidth(width.value_or(4960));
}

void place_child_form(ToolWindow& w, std::optional<float> height, std::optional<float> width)
{
    w.load();
    w.setTop(450);
    w.setLeft(0);
    w.setHeight(height.value_or(5755));
    w.setWidth(width.value_or(4745));
}

void show_info_form(std::optional<float> height, std::optional<float> width)
{
    FPropaganda& info = Forms::instance<FPropaganda>();
    // Loaded before its place is set, its load handler records the design height.
    info.load();
    info.setTop(0);
    info.setLeft(0);
    info.setWidth(width.value_or(4740));
    info.setHeight(height.value_or(8690));
    info.showForm();
}

} // namespace Wforms
