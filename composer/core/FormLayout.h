#pragma once
// Captions and places of a form's controls, kept as one table per form.

#include <initializer_list>
#include <span>
#include <string_view>

namespace ui {
class Control;
class Form;
class GroupBox;
} // namespace ui

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

// A window of one size in the middle of the screen, that can be minimised but not maximised: the
// chooser and every document form.
void fixedCentredWindow(ui::Form& form);

// Gives each named control its caption and bounds. A name that the form has no component of becomes a
// label in the named parent: the forms keep no references to their static texts. Throws ui::Error for a
// parent that is not a container of the form.
void placeControls(ui::Form& form, std::span<const Placement> placements);

struct ColumnCaption {
    std::string_view caption;
    const ui::Control* control;
};

// Puts each caption on the frame's caption line, over its control, in place of one frame caption that
// spaced its words out with blanks (which lines up with one font only). The frame keeps no caption of
// its own; the captions are labels named after their controls ("ComboBox13Caption").
void captionsOverControls(ui::GroupBox& frame, std::initializer_list<ColumnCaption> captions);

} // namespace composer
