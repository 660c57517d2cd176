#include "platform/automation/Borders.h"

#include "platform/automation/Error.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

namespace {

// The paragraphs that the target stands for: a range's, or the selection's.
wordproc::Span spanOf(wordproc::Document& document, const FormatTarget& target) {
    if (auto span = std::get_if<std::shared_ptr<wordproc::Span>>(&target))
        return **span;
    return document.selection().span();
}

} // namespace

int Border::lineStyle() const {
    return m_document->text().paragraphBorder(spanOf(*m_document, m_target), m_index);
}

void Border::setLineStyle(int lineStyle) const {
    m_document->text().setParagraphBorder(spanOf(*m_document, m_target), m_index, lineStyle);
}

int Border::color() const {
    return m_document->text().paragraphBorderColor(spanOf(*m_document, m_target), m_index);
}

Border Borders::Item(int index) const {
    if (index < -5 || index > -1)
        throw Error("边框的位置无效（应为 -1 到 -5）。");
    return Border(m_document, m_target, index);
}

} // namespace automation
