#pragma once
// Page setup of a document's sections.

#include <memory>

namespace wordproc {
class Document;
struct PageFormat;
} // namespace wordproc

namespace automation {

class LineNumbering {
public:
    LineNumbering(std::shared_ptr<wordproc::Document> document, int firstSection, int lastSection)
        : m_document(std::move(document)), m_first(firstSection), m_last(lastSection) {}

    // Whether the lines are numbered in the margin.
    bool active() const;
    void setActive(bool active) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_first;
    int m_last;
};

// The fields marked "document" are one setting of the whole document, as the hosts keep them: setting
// them through any section sets them for all.
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
    // Headers and footers of their own for even pages (document).
    bool oddAndEvenPagesHeaderFooter() const;
    void setOddAndEvenPagesHeaderFooter(bool different) const;
    // How the section starts: 0 continuous, 1 new column, 2 new page, 3 even page, 4 odd page.
    int sectionStart() const;
    void setSectionStart(int start) const;
    // Printer trays; 0 is the printer's default.
    int firstPageTray() const;
    void setFirstPageTray(int tray) const;
    int otherPagesTray() const;
    void setOtherPagesTray(int tray) const;
    // 0 top, 1 centre, 2 justified, 3 bottom.
    int verticalAlignment() const;
    void setVerticalAlignment(int alignment) const;
    bool suppressEndnotes() const;
    void setSuppressEndnotes(bool suppress) const;
    // Printing options (document).
    bool twoPagesOnOne() const;
    void setTwoPagesOnOne(bool twoOnOne) const;
    bool bookFoldPrinting() const;
    void setBookFoldPrinting(bool bookFold) const;
    bool bookFoldRevPrinting() const;
    void setBookFoldRevPrinting(bool reverse) const;
    int bookFoldPrintingSheets() const;
    void setBookFoldPrintingSheets(int sheets) const;
    // Where the gutter is: 0 left, 1 top (document), 2 right.
    int gutterPos() const;
    void setGutterPos(int position) const;
    // 0 no document grid; 1 (and 2) the line grid with characters from the body style; 3 the manuscript
    // grid.
    int layoutMode() const;
    void setLayoutMode(int mode) const;
    automation::LineNumbering LineNumbering() const;

private:
    void apply(const wordproc::PageFormat& format) const;
    wordproc::PageFormat current() const;

    std::shared_ptr<wordproc::Document> m_document;
    int m_first;
    int m_last;
};

} // namespace automation
