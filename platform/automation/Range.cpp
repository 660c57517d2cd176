#include "platform/automation/Range.h"

#include "platform/automation/Error.h"
#include "platform/automation/Font.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/ShapeRange.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/DocumentShapes.h"
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

void Range::Select() const {
    m_document->selection().select(*m_span);
}

ShapeRange Range::ShapeRange() const {
    if (m_span->story.kind == wordproc::StoryKind::TextFrame)
        return automation::ShapeRange(m_document, {m_span->story.key});
    return automation::ShapeRange(m_document, m_document->shapes().anchoredIn(*m_span));
}

namespace {

int frameOf(const wordproc::Span& span) {
    if (span.story.kind != wordproc::StoryKind::TextFrame)
        throw Error("只有文本框中的文字才有文字方向。");
    return span.story.key;
}

} // namespace

int Range::orientation() const {
    return m_document->shapes().textOrientation(frameOf(*m_span));
}

void Range::setOrientation(int orientation) const {
    m_document->shapes().setTextOrientation(frameOf(*m_span), orientation);
}

} // namespace automation
