#pragma once
// The text of a document's stories as the automation object model edits it: paragraphs by number,
// ranges by character position, insertion, replacement and formatting.

#include "platform/wordproc/Formats.h"
#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/Span.h"

#include <memory>
#include <string>
#include <string_view>

namespace wordproc {

class DocumentModel;

class DocumentText {
public:
    explicit DocumentText(DocumentModel& model) : m_model(model) {}

    int paragraphCount(StoryId story) const;
    // The n-th paragraph (from 1) with its mark, as the story stands now. Throws Error when there is none.
    Span paragraph(StoryId story, int n) const;
    // The whole story, its last mark included.
    Span story(StoryId story) const;
    // Characters [start, end) of the main text; an end behind the text's end is taken as its end.
    // Throws Error for a negative start or a start behind the end.
    Span range(int start, int end) const;

    // The characters: paragraph marks as "\r", the end of a table cell or row as "\r\a".
    std::string text(const Span& span) const;

    // A span that moves with edits in front of it for as long as the pointer is held.
    std::shared_ptr<Span> track(const Span& span);

    // Inserts at the span's start; the span grows to hold the text. Each CR, LF or CR LF in the text
    // starts a new paragraph with the format of the one it splits; the text takes the character format
    // at the insertion point. `bias`: in front of or behind what takes no room there.
    void insertBefore(Span& span, std::string_view text, Bias bias = Bias::Before);
    // Inserts at the span's end. Behind a whole paragraph that is the start of the next one; behind the
    // last paragraph of the story or of a table cell it is in front of that paragraph's mark.
    void insertAfter(Span& span, std::string_view text);
    // Replaces the span's characters (keeping the marks that end a cell or the story); the new text takes
    // the format of the first character replaced. The span then holds the new text.
    void setText(Span& span, std::string_view text);

    void applyCharFormat(const Span& span, const CharFormat& format);
    // The format of the span's first character (of the paragraph mark when it starts on one).
    CharFormat charFormat(const Span& span) const;
    // Applies to every paragraph the span touches.
    void applyParaFormat(const Span& span, const ParaFormat& format);
    ParaFormat paraFormat(const Span& span) const;
    // A paragraph border's line style and colour (ParagraphBorders.h): of the span's first paragraph;
    // the style is set on every paragraph it touches.
    int paragraphBorder(const Span& span, int border) const;
    int paragraphBorderColor(const Span& span, int border) const;
    void setParagraphBorder(const Span& span, int border, int lineStyle);

    // Removes characters [from, to) of the story; the marks that end a cell or the story stay.
    void erase(StoryId story, int from, int to);

private:
    DocumentModel& m_model;
};

} // namespace wordproc
