#include "platform/automation/Document.h"

#include "platform/automation/Application.h"
#include "platform/automation/Bookmarks.h"
#include "platform/automation/Error.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/automation/Sections.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Styles.h"
#include "platform/automation/Tables.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentLayout.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Instance.h"

namespace automation {

Paragraphs Document::Paragraphs() const {
    m_document->text();
    return automation::Paragraphs(m_document, {});
}

Range Document::Range(int start, int end) const {
    wordproc::DocumentText& text = m_document->text();
    return automation::Range(m_document, text.track(text.range(start, end)));
}

Range Document::Content() const {
    wordproc::DocumentText& text = m_document->text();
    return automation::Range(m_document, text.track(text.story({})));
}

Shapes Document::Shapes() const {
    m_document->shapes();
    return automation::Shapes(m_document);
}

Tables Document::Tables() const {
    m_document->tables();
    return automation::Tables(m_document);
}

Bookmarks Document::Bookmarks() const {
    m_document->bookmarks();
    return automation::Bookmarks(m_document);
}

Styles Document::Styles() const {
    m_document->styles();
    return automation::Styles(m_document);
}

PageSetup Document::PageSetup() const {
    return automation::PageSetup(m_document, 1, m_document->layout().sectionCount());
}

Sections Document::Sections() const {
    return automation::Sections(m_document);
}

Window Document::ActiveWindow() const {
    std::shared_ptr<wordproc::Instance> host = m_document->host();
    if (!host || !m_document->isOpen())
        throw Error("这个文档没有窗口。");
    return Window(host, m_document);
}

void Document::Activate() const {
    ActiveWindow().Activate();
}

void Document::SaveAs(const std::string& path) const {
    m_document->saveAs(path);
}

void Document::Close() const {
    m_document->close();
}

} // namespace automation
