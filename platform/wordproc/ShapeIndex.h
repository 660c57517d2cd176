#pragma once
// The floating shapes of the main text: DrawingML anchors (wp:anchor), each known by the id of its
// wp:docPr, in one of the two orders in which the word processors count them.

#include "platform/wordproc/StoryIndex.h"

#include <pugixml.hpp>

#include <unordered_map>
#include <vector>

namespace wordproc {

struct ShapeEntry {
    pugi::xml_node anchor; // wp:anchor
    int id = 0;
};

// How a word processor counts the shapes: Word by the places of their anchors in the text (within one
// paragraph as written); WPS as they are drawn, from the bottom of the stack to its top: the shapes
// behind the text first, then by wp:anchor/@relativeHeight, equal heights by their anchors.
enum class ShapeOrder { Anchors, Stacking };

// Shapes anchored in the story's paragraphs, in the order; shapes inside text boxes and the fallback
// pictures of mc:AlternateContent are not counted.
std::vector<ShapeEntry> listShapes(const StoryIndex& story, ShapeOrder order = ShapeOrder::Anchors);

// Puts the shape above every other shape of the document, as a shape just drawn stands. When the top
// of the stack is the highest height the file format holds, the document's shapes are restacked first
// (their order kept).
void stackOnTop(pugi::xml_node root, pugi::xml_node anchor);

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
