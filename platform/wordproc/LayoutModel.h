#pragma once
// The layout model: where lines and pages fall, for Selection.Information (page and section numbers) and
// for moving the selection by lines. It is not a renderer: it is a fixed set of rules that gives the same
// answer for the same document every time, close to what the hosts show for documents on a line grid
// (every document of this system). The add-in's commands and their tests rely on these rules.
//
// Sections. Each section has a type area: its page width less the left and right margins and the
// gutter, and its page height less the top and bottom margins (landscape sections have their own). Its
// line pitch P is the pitch of its document grid (w:docGrid with lines), or 1.3 times the body style's
// font size when it has no grid. The first section starts page 1; a section that starts on a new page
// (new page, or even or odd page with a blank page put in where the parity is wrong) begins a new page
// unless nothing stands on the current one yet; a continuous or new-column section goes on on the same
// page. Page numbers count on from page to page; a section that starts a new page and restarts its
// numbering (w:pgNumType/@w:start) gives its first page that number.
//
// Characters. A character of a paragraph is as wide as the paragraph's first character: its font size
// plus its character spacing (the document grid that CharsLine sets, PageGeometry.h). East Asian
// characters, and everything from U+2000 up but the half-width forms, fill a whole character cell; other
// characters (Latin letters, digits, blanks) half of one; a tab a whole one. A line holds as many cells
// as fit the type area's width less the paragraph's indents in characters (left indent; the first line
// also its first-line indent, a hanging indent given back). Lines break before the character that does
// not fit, behind a line break, and behind a page break, which also ends the page. An empty paragraph
// is one line. Line breaking knows no rules of punctuation.
//
// Heights. A line is P high, times 1.5 or 2 for one-and-a-half or double spacing and times the lines of
// multiple spacing, and as many grid lines as a font 1.3 times its size needs; "at least" spacing gives
// at least its points, exact spacing exactly its points. Space before and after a paragraph counts (in
// lines of P or in points). A line that does not fit below the lines already on the page goes to the
// next page; a paragraph with "page break before" starts one.
//
// Tables count row by row: a row is as high as its highest cell, a cell as high as its paragraphs laid
// out in the cell's width (w:tcW, else the row's share of the type area). A row that does not fit goes to
// the next page as a whole; a row higher than a page runs on over the pages it needs. For moving by
// lines the lines of a row are taken cell by cell, in reading order.
//
// Shapes. Floating shapes (text boxes, lines, the masthead) take no room: the text does not flow around
// them. An inline drawing makes the lines of its paragraph at least as high as the drawing.

#include "platform/wordproc/Span.h"

#include <cstddef>
#include <vector>

namespace wordproc {

class DocumentModel;

struct LaidLine {
    int start = 0;      // position of the line's first character
    int end = 0;        // position behind it: the next line's start (a paragraph's mark is on its last line)
    int lastCaret = 0;  // the last place an insertion point can stand on the line
    int page = 1;       // counted from the document's first page
    int pageNumber = 1; // the number that the page shows
    int section = 1;
};

struct LaidOut {
    std::vector<LaidLine> lines; // in reading order
    int pages = 1;

    // The line that holds the position (an end of a table row: the line before it).
    std::size_t lineAt(int position) const;
};

// The main text laid out.
LaidOut layOutMainText(DocumentModel& model);

// The text of a text box, laid out in its width (or its height, when its text runs vertically). Its
// lines carry the page and section of the box's anchor.
LaidOut layOutTextFrame(DocumentModel& model, int shapeId);

} // namespace wordproc
