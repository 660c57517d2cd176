#pragma once
// The bookmarks of the main text.

#include <memory>
#include <string>

namespace wordproc {
class Document;
}

namespace automation {

class Range;

class Bookmark {
public:
    Bookmark(std::shared_ptr<wordproc::Document> document, std::string name)
        : m_document(std::move(document)), m_name(std::move(name)) {}

    // The bookmarked text; replacing it keeps the bookmark around the new text.
    automation::Range Range() const;
    const std::string& name() const { return m_name; }

private:
    std::shared_ptr<wordproc::Document> m_document;
    std::string m_name;
};

class Bookmarks {
public:
    explicit Bookmarks(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {}

    int Count() const;
    bool Exists(const std::string& name) const;
    // The bookmark of that name. Throws Error when there is none.
    Bookmark Item(const std::string& name) const;
    // The index-th bookmark (from 1) in document order. Throws Error when there is none.
    Bookmark Item(int index) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
};

} // namespace automation
