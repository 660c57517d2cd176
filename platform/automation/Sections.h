#pragma once
// The sections of a document, with their page setup, headers, footers and page numbers.

#include <memory>

namespace wordproc {
class Document;
enum class HeaderFooterKind;
} // namespace wordproc

namespace automation {

class PageSetup;
class Range;

// The page numbers of one header or footer of a section, and how the section numbers its pages.
class PageNumbers {
public:
    PageNumbers(std::shared_ptr<wordproc::Document> document, int section, wordproc::HeaderFooterKind kind,
                int type)
        : m_document(std::move(document)), m_section(section), m_kind(kind), m_type(type) {}

    // Puts the page number, in the form "— 1 —", into the header or footer in place of any that it holds:
    // alignment 0 left, 1 centre, 2 right (left and right one character in from the margin), 3 inside,
    // 4 outside (odd pages count as right-hand ones; the even pages' own header or footer takes the other
    // side, and the document gets them). Without `firstPage` the section's first page gets a header or
    // footer of its own without the number. A linked header or footer becomes the section's own first.
    void Add(int alignment = 2, bool firstPage = true) const;
    int Count() const;
    // Whether the section's first page shows the number; false gives it a first-page header or footer
    // without the number.
    bool showFirstPageNumber() const;
    void setShowFirstPageNumber(bool show) const;
    // Whether the section's pages are numbered from startingNumber() on instead of going on.
    bool restartNumberingAtSection() const;
    void setRestartNumberingAtSection(bool restart) const;
    int startingNumber() const;
    // Also makes the numbering restart at the section.
    void setStartingNumber(int number) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_section;
    wordproc::HeaderFooterKind m_kind;
    int m_type;
};

// One of a section's headers or footers: 1 primary, 2 first page, 3 even pages.
class HeaderFooter {
public:
    HeaderFooter(std::shared_ptr<wordproc::Document> document, int section, wordproc::HeaderFooterKind kind,
                 int type)
        : m_document(std::move(document)), m_section(section), m_kind(kind), m_type(type) {}

    automation::PageNumbers PageNumbers() const;
    int index() const { return m_type; }
    bool isHeader() const;
    // Whether the pages show it: the first-page one only with a different first page, the even-page one
    // only with headers and footers of their own for even pages.
    bool exists() const;
    // Whether it shows the previous section's instead of one of its own (never for the first section).
    bool linkToPrevious() const;
    void setLinkToPrevious(bool linked) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_section;
    wordproc::HeaderFooterKind m_kind;
    int m_type;
};

class HeadersFooters {
public:
    HeadersFooters(std::shared_ptr<wordproc::Document> document, int section, wordproc::HeaderFooterKind kind)
        : m_document(std::move(document)), m_section(section), m_kind(kind) {}

    int Count() const { return 3; }
    // 1 primary, 2 first page, 3 even pages. Throws Error for another index.
    HeaderFooter Item(int index) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_section;
    wordproc::HeaderFooterKind m_kind;
};

class Section {
public:
    // The section is known by its number: a break inserted in front of it renumbers it, as in the hosts.
    Section(std::shared_ptr<wordproc::Document> document, int index)
        : m_document(std::move(document)), m_index(index) {}

    int index() const { return m_index; }
    automation::PageSetup PageSetup() const;
    // The section's characters, its closing mark included.
    automation::Range Range() const;
    HeadersFooters Headers() const;
    HeadersFooters Footers() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_index;
};

class Sections {
public:
    // All sections of the document, or sections first..last (those of a selection).
    explicit Sections(std::shared_ptr<wordproc::Document> document);
    Sections(std::shared_ptr<wordproc::Document> document, int first, int last)
        : m_document(std::move(document)), m_first(first), m_last(last) {}

    int Count() const;
    // The n-th section of the collection (from 1). Throws Error when there is none.
    Section Item(int index) const;
    Section First() const { return Item(1); }
    Section Last() const { return Item(Count()); }

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_first = 1;
    int m_last = 0; // 0: to the document's last section
};

} // namespace automation
