#pragma once
// Captions and places of a form's controls, kept as one table per form.

#include <span>
#include <string_view>

namespace ui {
class Form;
}

namespace composer {

struct Placement {
    std::string_view name;
    // The container that a new label goes into; empty: the form itself.
    std::string_view parent;
    std::string_view caption;
    int left = 0;
    int top = 0;
    // 0: the control keeps its own size (an auto-sized label).
    int width = 0;
    int height = 0;
};

// Gives each named control its caption and bounds. A name that the form has no component of becomes a
// label in the named parent: the forms keep no references to their static texts. Throws ui::Error for a
// parent that is not a container of the form.
void placeControls(ui::Form& form, std::span<const Placement> placements);

} // namespace composer
