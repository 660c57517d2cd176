#pragma once
// A stretch of a document's text. It moves with the text when something is inserted or deleted in front
// of it, as the hosts' ranges do.

#include <memory>
#include <string>
#include <string_view>

namespace wordproc {
class Document;
struct Span;
} // namespace wordproc

namespace automation {

class Font;
class ParagraphFormat;
class ShapeRange;

class Range {
public:
    // `bookmark`: the range is that bookmark's, and replacing its text keeps the bookmark around it.
    Range(std::shared_ptr<wordproc::Document> document, std::shared_ptr<wordproc::Span> span,
          std::string bookmark = {});

    int start() const;
    int end() const;

    // The characters, paragraph marks as "\r" (ends of table cells as "\r\a").
    std::string text() const;
    // Replaces the characters; the range then holds the new text. CR, LF or CR LF start new paragraphs.
    void setText(std::string_view text) const;

    // Inserts at the start; the range grows over the text. Each CR, LF or CR LF starts a new paragraph,
    // which keeps the format of the paragraph it splits; the text takes the format at the insertion point.
    void InsertBefore(std::string_view text) const;
    // Inserts at the end: behind a whole paragraph at the start of the next one; behind the last paragraph
    // of the document or of a table cell in front of its mark.
    void InsertAfter(std::string_view text) const;

    automation::Font Font() const;
    automation::ParagraphFormat ParagraphFormat() const;

    // Makes the range the selection of the document's window.
    void Select() const;
    // The floating shapes anchored in the range's characters; for the text of a text box, that box.
    automation::ShapeRange ShapeRange() const;
    // The direction of a text box's text (1 horizontal, 2 upward, 3 downward, 4 vertical East Asian,
    // 5 vertical). Throws Error for text outside text boxes.
    int orientation() const;
    void setOrientation(int orientation) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    std::shared_ptr<wordproc::Span> m_span;
    std::string m_bookmark;
};

} // namespace automation
