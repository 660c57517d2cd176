#pragma once
// OpenBlankTemplate's work: a new document from a blank template with the current profile's margins
// and body style, left open in the word processor.

#include "composer/core/AuthorityProfile.h"

namespace ui {
class Form;
}

namespace composer {

enum class BlankPage { Portrait, Landscape };

// The template file of each page: "dqx0.dqx" portrait, "dqxhp.dqx" landscape.
const char* blankTemplateName(BlankPage page);

// Attaches to or starts the profile's word processor, makes the document from the page's template in
// TemplateFolder (the landscape page's first paragraph in the title font), sets the margins and the body
// style "正文", and lets go of it, minimising the form; the document stays open. Word alone also gets the
// spelling, grammar and grid-line options. Throws automation::Error from the word processor, or
// text::ConvertError for a margin or size that is not a whole number.
void openBlankDocument(BlankPage page, const AuthorityProfile& profile, ui::Form& form);

} // namespace composer
