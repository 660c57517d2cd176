#pragma once
// The selection of a document's window: an insertion point or a stretch of text in one story (the main
// text or a text box's text), or a selected floating shape. It moves with edits like any range; it
// starts at the beginning of the document.
//
// Moves count as the hosts count them: by characters (an insertion point stands in front of any
// character of a paragraph or in front of its mark, never behind the last mark of the text nor inside
// the end of a table row), by lines of the layout model (LayoutModel.h) keeping the column, and by
// paragraphs. A move without extending collapses a selection first: to its end to the right and down, to
// its start to the left and up, and that counts as one unit. A selected shape moves as the insertion
// point at its anchor.
//
// Font settings made on an insertion point are kept for the text typed next there, as the hosts do.

#include "platform/wordproc/Formats.h"
#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/Span.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wordproc {

class DocumentModel;
class DocumentText;
class DocumentSections;
struct StoryIndex;

// Selection.Information's questions that the engine answers, by the hosts' numbers.
enum class SelectionInfo {
    AdjustedPageNumber = 1, // the page's number as it shows it
    SectionNumber = 2,
    PageNumber = 3, // counted from the document's first page
    NumberOfPages = 4,
    WithInTable = 12, // -1 (the hosts' true) when the selection starts in a table cell, else 0
};

class DocumentSelection {
public:
    DocumentSelection(DocumentModel& model, DocumentText& text) : m_model(model), m_text(text) {}

    // The selected characters; for a selected shape, the insertion point at its anchor.
    const Span& span() const;
    // The selected shape, if a shape is selected.
    std::optional<int> shape() const { return m_shape; }

    void select(const Span& span);
    void selectShape(int id);

    // Moves by characters (negative: to the left), lines or paragraphs (negative: up); `extend` moves
    // only the active end. Returns how many units it moved.
    int moveCharacters(int count, bool extend);
    int moveLines(int count, bool extend);
    int moveParagraphs(int count, bool extend);
    // Places the insertion point at the start of the page counted from the document's first page (its
    // first line of the main text); a page beyond the last goes to the last, one before the first to the
    // first.
    void goToPage(int page);

    // Types the text in place of the selection (CR, LF or CR LF: new paragraphs); the insertion point
    // then stands behind it. Throws Error while a shape is selected.
    void typeText(std::string_view text);
    // Inserts a break in place of the selection: 2 to 5 section breaks (new page, continuous, even
    // page, odd page), 6 a line break, 7 a page break. The insertion point then stands behind it.
    void insertBreak(int kind);

    std::string text() const;
    // Replaces the selected text; the selection then holds the new text.
    void setText(std::string_view text);

    // Character format: of the selected text, of a selected shape's text, or for an insertion point the
    // format that the text typed next takes.
    void applyCharFormat(const CharFormat& format);
    CharFormat charFormat() const;

    int information(SelectionInfo what) const;
    // The first and last section (from 1) that the selection touches.
    std::pair<int, int> sections() const;
    // The shapes of the selection: the selected shape, the text box whose text it is in, or the shapes
    // anchored in the selected text.
    std::vector<int> shapes() const;

private:
    int activeEnd() const;
    // Places the active end at `position`; without `extend` the selection collapses there.
    void moveActiveEnd(int position, bool extend);
    // Moves the active end `count` steps (negative: backwards), each from one place to the next.
    int moveSteps(int count, bool extend, int (*step)(const StoryIndex&, int, bool));
    // Collapses a selection for a move that does not extend it; true when that was the move.
    bool collapseFor(int direction);
    // The position in the main text that stands for the selection (anchor of a shape or text box).
    int mainPosition() const;
    // Where a paragraph break typed at the insertion point goes among what takes no room there: at the
    // end of a paragraph's text behind it, so that the shapes anchored in the paragraph and the
    // bookmarks that end with its text stay with it, as in the hosts; elsewhere in front of it.
    Bias breakBias(const Span& at) const;

    DocumentModel& m_model;
    DocumentText& m_text;
    std::optional<int> m_shape;
    bool m_activeAtStart = false;
    std::vector<CharFormat> m_pending; // in the order set: a later setting wins over an earlier one
};

} // namespace wordproc
