#pragma once
// Fixed places and sizes (twips) for the frame, its child sheet and the
// information window. An omitted size takes the default; a given 0 is a size.
// A window that is not loaded is loaded before its place is set.
#include <optional>

class Form;
class ToolWindow;

namespace Wforms {
void place_main_form(Form& w, std::optional<float> height = std::nullopt, std::optional<float> width = std::nullopt);
void place_child_form(ToolWindow& w, std::optional<float> height = std::nullopt, std::optional<float> width = std::nullopt);
void show_info_form(std::optional<float> height = std::nullopt, std::optional<float> width = std::nullopt);
} // namespace Wforms
