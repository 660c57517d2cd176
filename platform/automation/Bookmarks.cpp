#include "platform/automation/Bookmarks.h"

#include "platform/automation/Range.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentTables.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

Range Bookmark::Range() const {
    wordproc::Span span = m_document->bookmarks().span(m_name);
    return automation::Range(m_document, m_document->text().track(span), m_name);
}

int Bookmarks::Count() const {
    return m_document->bookmarks().count();
}

bool Bookmarks::Exists(const std::string& name) const {
    return m_document->bookmarks().exists(name);
}

Bookmark Bookmarks::Item(const std::string& name) const {
    m_document->bookmarks().span(name); // throws for an unknown name
    return Bookmark(m_document, name);
}

Bookmark Bookmarks::Item(int index) const {
    return Bookmark(m_document, m_document->bookmarks().name(index));
}

} // namespace automation
