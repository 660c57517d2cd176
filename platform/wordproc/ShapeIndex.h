#pragma once
// The floating shapes of the main text: DrawingML anchors (wp:anchor) in the order of their anchors,
// each known by the id of its wp:docPr.

#include "platform/wordproc/StoryIndex.h"

#include <pugixml.hpp>

#include <unordered_map>
#include <vector>

namespace wordproc {

struct ShapeEntry {
    pugi::xml_node anchor; // wp:anchor
    int id = 0;
};

// Shapes anchored in the story's paragraphs, in order; shapes inside text boxes and the fallback
// pictures of mc:AlternateContent are not counted.
std::vector<ShapeEntry> listShapes(const StoryIndex& story);

// The position in the story where the shape's anchor stands: its paragraph's start and the characters
// in front of it there. -1 when the shape is not anchored in the story.
int anchorPosition(const StoryIndex& story, pugi::xml_node anchor);

// Every wp:anchor and wp:inline below the root by the id of its wp:docPr; the first of an id counts.
std::unordered_map<int, pugi::xml_node> drawingsById(pugi::xml_node root);

// Gives every wp:docPr whose id is missing or taken a new one, as the hosts do on opening.
void ensureUniqueDrawingIds(pugi::xml_node root);

// An id that no wp:docPr uses.
int freeDrawingId(pugi::xml_node root);

} // namespace wordproc
