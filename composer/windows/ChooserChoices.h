#pragma once
// What "下一步 >>" does with each choice of the chooser.

#include <span>
#include <string_view>

namespace composer {

class TForm1;
struct AuthorityProfile;

// The action of a choice that opens no document form, given the chooser and the current profile as read
// when the button was pressed.
using ChooserAction = void (*)(TForm1& chooser, const AuthorityProfile& profile);

struct ChooserChoice {
    std::string_view radio;
    // TemplateVariant is set to this before the choice is carried out.
    int templateVariant;
    // The class of the document form that the choice opens (DocumentForms.h); empty: `action` runs.
    std::string_view form;
    ChooserAction action = nullptr;
};

// One entry per radio button that dispatches; a radio button without an entry counts as no choice.
std::span<const ChooserChoice> chooserChoices();

} // namespace composer
