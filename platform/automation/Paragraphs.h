#pragma once
// The paragraphs of a story: the main text (table cells included, text boxes not) or a text box's text.

#include "platform/wordproc/Span.h"

#include <memory>

namespace wordproc {
class Document;
}

namespace automation {

class Range;

class Paragraph {
public:
    Paragraph(std::shared_ptr<wordproc::Document> document, std::shared_ptr<wordproc::Span> span)
        : m_document(std::move(document)), m_span(std::move(span)) {}

    // The paragraph's characters with its mark.
    automation::Range Range() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    std::shared_ptr<wordproc::Span> m_span;
};

class Paragraphs {
public:
    Paragraphs(std::shared_ptr<wordproc::Document> document, wordproc::StoryId story)
        : m_document(std::move(document)), m_story(story) {}

    int Count() const;
    // The n-th paragraph (from 1) as the story stands at the moment of the call.
    Paragraph Item(int n) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    wordproc::StoryId m_story;
};

} // namespace automation
