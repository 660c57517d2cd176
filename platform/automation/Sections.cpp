#include "platform/automation/Sections.h"

#include "platform/automation/Error.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Range.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentHeadersFooters.h"
#include "platform/wordproc/DocumentSections.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

void PageNumbers::Add(int alignment, bool firstPage) const {
    m_document->headersFooters().addPageNumbers(m_section, m_kind, m_type, alignment, firstPage);
}

int PageNumbers::Count() const {
    return m_document->headersFooters().pageNumberCount(m_section, m_kind, m_type);
}

bool PageNumbers::showFirstPageNumber() const {
    return m_document->headersFooters().showFirstPageNumber(m_section, m_kind);
}

void PageNumbers::setShowFirstPageNumber(bool show) const {
    m_document->headersFooters().setShowFirstPageNumber(m_section, m_kind, show);
}

bool PageNumbers::restartNumberingAtSection() const {
    return m_document->sections().restartsNumbering(m_section);
}

void PageNumbers::setRestartNumberingAtSection(bool restart) const {
    m_document->sections().setRestartsNumbering(m_section, restart);
}

int PageNumbers::startingNumber() const {
    return m_document->sections().startingNumber(m_section);
}

void PageNumbers::setStartingNumber(int number) const {
    m_document->sections().setStartingNumber(m_section, number);
}

PageNumbers HeaderFooter::PageNumbers() const {
    return automation::PageNumbers(m_document, m_section, m_kind, m_type);
}

bool HeaderFooter::isHeader() const {
    return m_kind == wordproc::HeaderFooterKind::Header;
}

bool HeaderFooter::exists() const {
    return m_document->headersFooters().exists(m_section, m_kind, m_type);
}

bool HeaderFooter::linkToPrevious() const {
    return m_document->headersFooters().linkedToPrevious(m_section, m_kind, m_type);
}

void HeaderFooter::setLinkToPrevious(bool linked) const {
    m_document->headersFooters().setLinkedToPrevious(m_section, m_kind, m_type, linked);
}

HeaderFooter HeadersFooters::Item(int index) const {
    if (index < 1 || index > 3)
        throw Error("所要求的页眉或页脚不存在（应为 1 到 3）。");
    return HeaderFooter(m_document, m_section, m_kind, index);
}

PageSetup Section::PageSetup() const {
    m_document->sections().properties(m_index); // the section must exist now
    return automation::PageSetup(m_document, m_index, m_index);
}

Range Section::Range() const {
    wordproc::DocumentText& text = m_document->text();
    return automation::Range(m_document, text.track(m_document->sections().span(m_index)));
}

HeadersFooters Section::Headers() const {
    m_document->sections().properties(m_index);
    return HeadersFooters(m_document, m_index, wordproc::HeaderFooterKind::Header);
}

HeadersFooters Section::Footers() const {
    m_document->sections().properties(m_index);
    return HeadersFooters(m_document, m_index, wordproc::HeaderFooterKind::Footer);
}

Sections::Sections(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {
    m_document->sections();
}

int Sections::Count() const {
    int last = m_last > 0 ? m_last : m_document->sections().count();
    return last - m_first + 1;
}

Section Sections::Item(int index) const {
    if (index < 1 || index > Count())
        throw Error("所要求的节不存在：第 " + std::to_string(index) + " 节（共 " + std::to_string(Count()) +
                    " 节）。");
    return Section(m_document, m_first + index - 1);
}

} // namespace automation
