#pragma once
// The selection of the active document's window: an insertion point, a stretch of text, or a selected
// shape. What moves, counts and pages mean is the engine's (platform/wordproc/DocumentSelection.h and
// LayoutModel.h).

#include <memory>
#include <string>
#include <string_view>

namespace wordproc {
class Document;
}

namespace automation {

class Font;
class PageSetup;
class ParagraphFormat;
class Range;
class Sections;
class ShapeRange;

class Selection {
public:
    explicit Selection(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {}

    int start() const;
    int end() const;
    std::string text() const;
    // Replaces the selected text; the selection then holds the new text.
    void setText(std::string_view text) const;

    // 1 the page number that the page shows, 2 the section's number, 3 the page counted from the
    // document's first page, 4 the number of pages; all at the selection's active end (for a shape or a
    // text box's text: at its anchor). 12 whether the selection starts in a table cell: -1 (the hosts'
    // true) or 0. Throws Error for another question.
    int Information(int type) const;
    // The story that the selection is in: 1 the main text, 5 a text box's text.
    int StoryType() const;

    // Units: 1 character (left and right), 5 line and 4 paragraph (up and down); extend 0 moves, 1
    // extends the selection. Return the units moved. Throw Error for another unit.
    int MoveLeft(int unit = 1, int count = 1, int extend = 0) const;
    int MoveRight(int unit = 1, int count = 1, int extend = 0) const;
    int MoveUp(int unit = 5, int count = 1, int extend = 0) const;
    int MoveDown(int unit = 5, int count = 1, int extend = 0) const;

    // Moves the insertion point to the start of a page: what 1 (page), which 1 (absolute), count the
    // page counted from the document's first page (beyond the last: the last). Throws Error for another
    // what or which.
    void GoTo(int what, int which, int count) const;

    // Types in place of the selection; the insertion point then stands behind the text.
    void TypeText(std::string_view text) const;
    void TypeParagraph() const;
    // 2 to 5 section breaks (new page, continuous, even page, odd page), 6 a line break, 7 a page break.
    void InsertBreak(int type = 7) const;

    automation::Font Font() const;
    automation::ParagraphFormat ParagraphFormat() const;
    // The page setup of the sections of the selection.
    automation::PageSetup PageSetup() const;
    automation::Sections Sections() const;
    automation::ShapeRange ShapeRange() const;
    // The selected characters as a range.
    automation::Range Range() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
};

} // namespace automation
