#include "platform/automation/Paragraphs.h"

#include "platform/automation/Range.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

Range Paragraph::Range() const {
    return automation::Range(m_document, m_document->text().track(*m_span));
}

int Paragraphs::Count() const {
    return m_document->text().paragraphCount(m_story);
}

Paragraph Paragraphs::Item(int n) const {
    wordproc::DocumentText& text = m_document->text();
    return Paragraph(m_document, text.track(text.paragraph(m_story, n)));
}

} // namespace automation
