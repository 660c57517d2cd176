#pragma once
// Documents made the way the composer makes them: the host attached, a template added, the page layout
// applied, slots filled from the bottom up and the host released.

#include "platform/automation/Document.h"

#include <string>

namespace producedtest {

// The page layout of the profile defaults: margins 37/35/28/26 mm, body style 标准公文_仿宋 16 pt,
// 28 characters a line.
void applyDefaultPageLayout(const std::string& progId, const std::string& templatePath);

// Fills the "slots" test template with about 40 operations (texts with breaks, fonts, paragraph
// formats, the masthead text box, shape names). The document is handed over when the result goes.
automation::Document produceFilledDocument(const std::string& progId, const std::string& templatePath);

// A blank template with the page layout and the body text written into its first paragraph.
void produceBlankDocument(const std::string& progId, const std::string& templatePath,
                          const std::string& body);

} // namespace producedtest
