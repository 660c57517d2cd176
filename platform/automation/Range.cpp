#include "platform/automation/Range.h"

#include "platform/automation/Font.h"
#include "platform/automation/Paragraphs.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentTables.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

Range::Range(std::shared_ptr<wordproc::Document> document, std::shared_ptr<wordproc::Span> span,
             std::string bookmark)
    : m_document(std::move(document)), m_span(std::move(span)), m_bookmark(std::move(bookmark)) {}

int Range::start() const {
    return m_span->start;
}

int Range::end() const {
    return m_span->end;
}

std::string Range::text() const {
    return m_document->text().text(*m_span);
}

void Range::setText(std::string_view text) const {
    if (m_bookmark.empty()) {
        m_document->text().setText(*m_span, text);
        return;
    }
    wordproc::DocumentBookmarks& bookmarks = m_document->bookmarks();
    bookmarks.setText(m_bookmark, text);
    *m_span = bookmarks.span(m_bookmark);
}

void Range::InsertBefore(std::string_view text) const {
    m_document->text().insertBefore(*m_span, text);
}

void Range::InsertAfter(std::string_view text) const {
    m_document->text().insertAfter(*m_span, text);
}

Font Range::Font() const {
    m_document->text();
    return automation::Font(m_document, m_span);
}

ParagraphFormat Range::ParagraphFormat() const {
    m_document->text();
    return automation::ParagraphFormat(m_document, m_span);
}

} // namespace automation
