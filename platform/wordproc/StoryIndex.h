#pragma once
// The paragraphs of one story in reading order, with the character positions the hosts give them.

#include "platform/wordproc/Span.h"

#include <pugixml.hpp>

#include <cstddef>
#include <vector>

namespace wordproc {

// What a paragraph's mark is: an ordinary mark, the end of a table cell or the end of the story.
enum class MarkKind { Plain, CellEnd, StoryEnd };

struct ParagraphEntry {
    pugi::xml_node node; // w:p
    int start = 0;       // position of its first character
    int textLength = 0;  // characters before its mark
    int trailer = 0;     // characters counted behind its mark: a table's end in WPS
    MarkKind mark = MarkKind::Plain;

    int markPosition() const { return start + textLength; }
    int end() const { return start + textLength + 1 + trailer; } // where the next paragraph starts
};

struct StoryIndex {
    std::vector<ParagraphEntry> paragraphs;
    int length = 0;

    // The paragraph that holds the position; the story's end belongs to the last paragraph.
    std::size_t find(int position) const;
    // The same paragraph's entry. Throws Error for a story without paragraphs.
    const ParagraphEntry& holding(int position) const;
};

// Measures entry `at` again, together with the `added` paragraphs that now stand in front of its node
// (the front parts split off it), and moves the entries behind them.
void remeasureParagraphs(StoryIndex& index, std::size_t at, int added);

// Whether the paragraph (w:p) stands in a table cell, at any depth.
bool inTableCell(pugi::xml_node paragraph);

// Indexes the paragraphs of a story container (w:body, w:txbxContent, w:hdr, w:ftr): table cells row by
// row, text boxes not at all.
StoryIndex buildStoryIndex(pugi::xml_node container, Flavour flavour);

} // namespace wordproc
