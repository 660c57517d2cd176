#pragma once
// Page numbers in a header or footer: a paragraph that holds a PAGE field, written in the documents' own
// form "— 1 —" (an em dash and a blank on each side of the number).

#include <pugixml.hpp>

#include <string>

namespace wordproc {

// How a page number stands: 0 left, 1 centre, 2 right. Left and right numbers stand one character in from
// the margin, as the documents' own page numbers do.
struct PageNumberStyle {
    int alignment = 2;
    std::string styleId;      // the paragraph style of footers ("Footer"), or empty
    int characterTwips = 280; // one character of that style
};

// True when the paragraph holds a PAGE field.
bool isPageNumberParagraph(pugi::xml_node paragraph);

// Removes the paragraphs with page numbers from the part's root (w:hdr, w:ftr) and returns the node
// that followed the first of them (null: the end, or none was there).
pugi::xml_node removePageNumbers(pugi::xml_node root);

// The part's only paragraph when it is empty (a new header or footer), else null.
pugi::xml_node loneEmptyParagraph(pugi::xml_node root);

// Gives a part without paragraphs or tables one empty paragraph of the style, as every story needs.
void ensureParagraph(pugi::xml_node root, const std::string& styleId);

// Writes a page-number paragraph in front of `before` in the part's root (at its end when null).
pugi::xml_node insertPageNumber(pugi::xml_node root, pugi::xml_node before, const PageNumberStyle& style);

} // namespace wordproc
