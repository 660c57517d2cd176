#pragma once
// One paragraph broken into lines by the rules of the layout model (LayoutModel.h): where its lines
// begin and end, how high they are and what spacing and breaks go with them. Lengths in twips.

#include "platform/wordproc/StoryIndex.h"
#include "platform/wordproc/StyleSheet.h"

#include <vector>

namespace wordproc {

// What a paragraph is laid out in.
struct LineRoom {
    int width = 0;     // the width that lines fill
    int pitch = 0;     // one line of the grid
    bool grid = false; // lines snap to whole lines of the grid
};

struct BrokenLine {
    int start = 0;
    int end = 0;
    int lastCaret = 0;
    bool pageBreakAfter = false; // the line ends with a page break
};

struct BrokenParagraph {
    std::vector<BrokenLine> lines;
    int lineHeight = 0;
    int before = 0; // space before the paragraph
    int after = 0;
    bool pageBreakBefore = false;

    int height() const { return before + lineHeight * static_cast<int>(lines.size()) + after; }
};

BrokenParagraph breakParagraph(const ParagraphEntry& entry, const StyleSheet& styles, const LineRoom& room);

} // namespace wordproc
