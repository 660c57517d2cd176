#pragma once
// OpenBlankTemplate's work: a new document from a blank template with the current profile's margins
// and body style, left open in the word processor.

#include "composer/core/AuthorityProfile.h"

#include <optional>
#include <string>

namespace composer {

enum class BlankPage { Portrait, Landscape };

// What the word processor is told for one blank document. Margins and the body size are kept as the
// profile's text: they are converted when they are applied, so a bad value fails after the document
// exists, as it does for every output.
struct BlankDocumentJob {
    HostKind host = HostKind::Word;
    std::string templatePath;
    // The font of the first paragraph, set for the landscape page only.
    std::optional<std::string> firstParagraphFont;
    std::string topMargin;
    std::string bottomMargin;
    std::string leftMargin;
    std::string rightMargin;
    std::string bodyFont;
    std::string bodySize;
};

// The template file of each page: "dqx0.dqx" portrait, "dqxhp.dqx" landscape.
const char* blankTemplateName(BlankPage page);

// The job for the page from the current profile, with the template in TemplateFolder.
BlankDocumentJob blankDocumentJob(BlankPage page, const AuthorityProfile& profile);

// Attaches to or starts the word processor, makes the document and lets go of it; the document stays
// open. Throws the word processor's error, or text::ConvertError for a value that is not a whole number.
void openBlankDocument(const BlankDocumentJob& job);

} // namespace composer
