#pragma once
// Edits at paragraph level: a paragraph mark made (splitting a paragraph) or removed (joining two).

#include <pugixml.hpp>

namespace wordproc {

// Ends the paragraph in front of `before` (a child of the paragraph; null: at its end). The part in
// front becomes a new paragraph with a copy of the paragraph's properties; the original keeps the rest
// and its mark, with a section break it may carry. Returns the new paragraph.
pugi::xml_node splitParagraph(pugi::xml_node paragraph, pugi::xml_node before);

// The paragraph that follows in the same container, or null when a table or the container's end
// follows.
pugi::xml_node nextParagraph(pugi::xml_node paragraph);

// Removes the paragraph's mark: its content goes to the front of `next`, whose properties the joined
// paragraph keeps.
void joinWithNext(pugi::xml_node paragraph, pugi::xml_node next);

// The first child of the paragraph after its properties (null: none).
pugi::xml_node firstContent(pugi::xml_node paragraph);

} // namespace wordproc
