#pragma once
// Page setup of a document's sections, and the sections themselves.

#include <memory>

namespace wordproc {
class Document;
struct PageFormat;
} // namespace wordproc

namespace automation {

class PageSetup {
public:
    // Sections first..last (from 1); the document's page setup spans them all and reads the first.
    PageSetup(std::shared_ptr<wordproc::Document> document, int firstSection, int lastSection)
        : m_document(std::move(document)), m_first(firstSection), m_last(lastSection) {}

    // Lengths in points.
    float topMargin() const;
    void setTopMargin(float points) const;
    float bottomMargin() const;
    void setBottomMargin(float points) const;
    float leftMargin() const;
    void setLeftMargin(float points) const;
    float rightMargin() const;
    void setRightMargin(float points) const;
    float pageWidth() const;
    void setPageWidth(float points) const;
    float pageHeight() const;
    void setPageHeight(float points) const;
    float headerDistance() const;
    void setHeaderDistance(float points) const;
    float footerDistance() const;
    void setFooterDistance(float points) const;
    float gutter() const;
    void setGutter(float points) const;
    // 0 portrait, 1 landscape; turning the page exchanges its width and height.
    int orientation() const;
    void setOrientation(int orientation) const;
    // Characters a line of the body style: the document grid as every reader lays it out alike.
    int charsLine() const;
    void setCharsLine(int characters) const;
    // Lines a page of the document grid.
    int linesPage() const;
    void setLinesPage(int lines) const;
    bool mirrorMargins() const;
    void setMirrorMargins(bool mirror) const;
    bool differentFirstPageHeaderFooter() const;
    void setDifferentFirstPageHeaderFooter(bool different) const;

private:
    void apply(const wordproc::PageFormat& format) const;
    wordproc::PageFormat current() const;

    std::shared_ptr<wordproc::Document> m_document;
    int m_first;
    int m_last;
};

class Section {
public:
    Section(std::shared_ptr<wordproc::Document> document, int index)
        : m_document(std::move(document)), m_index(index) {}

    automation::PageSetup PageSetup() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_index;
};

class Sections {
public:
    explicit Sections(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {}

    int Count() const;
    Section Item(int index) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
};

} // namespace automation
