#pragma once
// The short forms of floating shapes in template sources (<t:textbox>, <t:line>) and the clean-up of a
// hand-written document part.

#include <pugixml.hpp>

#include <string>

namespace wordproc {

// Removes the indentation between elements; text where text belongs (w:t, w:instrText ...) stays.
void dropLayoutWhitespace(pugi::xml_node node);

// Replaces every <t:textbox> and <t:line> by the anchored shape it describes. Throws Error naming
// `what` for a misplaced element, an unknown attribute or a value that is not a length.
void expandShortFormShapes(pugi::xml_node root, const std::string& what);

// Gives every wp:docPr the ids 1, 2, 3 ... in document order, and a short form without a place in the
// stack (`z`) the place of its number. Throws Error naming `what` when two shapes share a place.
void numberDrawings(pugi::xml_node root, const std::string& what);

} // namespace wordproc
