#pragma once
// The opening and the closing of the section tools' insertion commands: a section of its own at the
// cursor, made of empty paragraphs behind a next-page section break, and a second break behind those
// paragraphs that gives the text which followed the cursor a section of its own again.

#include "addin/PageSetupPresets.h"

#include <optional>

namespace automation {
class Application;
class Selection;
} // namespace automation

namespace addin {

// The measures of a section's page, in points, as it had them before the insertion.
struct PageMeasures {
    int orientation;
    float top, bottom, left, right, gutter, header, footer, width, height;
};

// What one insertion found at the cursor.
struct InsertionState {
    int startSection = 0;          // the section that held the cursor
    bool sameSection = false;      // that section goes on after the cursor
    bool landscapeFollows = false; // the character after the cursor lies in a landscape section
    int emptyParagraphs = 3;       // the paragraphs that make up the new section
    // The page of the cursor's section, kept for the text after the cursor when that goes on in
    // landscape.
    std::optional<PageMeasures> followingPage;
};

// Cuts the document at the cursor: empty paragraphs and a next-page section break in front of them.
// Leaves the cursor at the start of the new section, in the first of those paragraphs. Throws the
// host's Error, with nothing changed, when the cursor stands in a table or a text box, where no section
// can start.
InsertionState InsertSectionAtCursor(const automation::Selection& selection);

// With the cursor at the start of the new section: when the cursor's section went on after the cursor,
// a second next-page break behind the new section's empty paragraphs, in front of the text that
// followed. That text then goes on as it was in landscape, or on the paper's portrait preset with
// page numbers that its first page shows. Leaves the cursor behind the second break; true when that
// break went in.
bool RestoreFollowingSection(const automation::Application& host, Paper paper, const InsertionState& state);

// Page numbers on the right of the primary footer of the selection's section; `firstPage` whether its
// first page shows its number.
void addRightPageNumbers(const automation::Selection& selection, bool firstPage);

} // namespace addin
