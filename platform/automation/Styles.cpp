#include "platform/automation/Styles.h"

#include "platform/automation/Font.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentStyles.h"

namespace automation {

Font Style::Font() const {
    return automation::Font(m_document, m_styleId);
}

ParagraphFormat Style::ParagraphFormat() const {
    return automation::ParagraphFormat(m_document, m_styleId);
}

Style Styles::Item(const std::string& name) const {
    return Style(m_document, m_document->styles().find(name));
}

} // namespace automation
