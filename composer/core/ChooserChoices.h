#pragma once
// What "下一步 >>" does with each choice of the chooser.

#include <span>
#include <string_view>

namespace composer {

class TForm1;
struct AuthorityProfile;

// The action of a choice, given the chooser and the current profile as read when the button was pressed.
using ChooserAction = void (*)(TForm1& chooser, const AuthorityProfile& profile);

struct ChooserChoice {
    std::string_view radio;
    // TemplateVariant is set to this before the action runs.
    int templateVariant;
    // Null: the kind's form is not built yet, and the choice does nothing.
    ChooserAction action;
};

// One entry per radio button that dispatches; a radio button without an entry counts as no choice.
std::span<const ChooserChoice> chooserChoices();

} // namespace composer
