#pragma once
// The headers and footers of a document's sections as Sections(n).Footers(i) reaches them, with their
// page numbers.
//
// Types are the hosts' numbers: 1 primary (every page, or the odd ones), 2 first page, 3 even pages. A
// section without a header or footer of its own for a type shows the previous section's (it is linked
// to it); the first section then shows none. A change made through a linked header or footer first gives
// the section its own copy of what it showed, so that the change stays in that section (and the sections
// linked to it) and the earlier sections keep theirs.

#include "platform/wordproc/HeaderFooterParts.h"

namespace wordproc {

class DocumentModel;

class DocumentHeadersFooters {
public:
    explicit DocumentHeadersFooters(DocumentModel& model) : m_model(model) {}

    // The part (see HeaderFooterParts) that the section shows for the type, or -1: none. Throws Error
    // for a section or type that does not exist.
    int shownPart(int section, HeaderFooterKind kind, int type);
    // Whether the hosts show this header or footer at all: the primary always, the first page one when
    // the section has a different first page, the even one when the document has even pages of its own.
    bool exists(int section, HeaderFooterKind kind, int type);

    bool linkedToPrevious(int section, HeaderFooterKind kind, int type);
    // Linking drops the section's own header or footer of the type; unlinking gives it a copy of the one
    // it showed (or an empty one). The first section is never linked.
    void setLinkedToPrevious(int section, HeaderFooterKind kind, int type, bool linked);
    // The section's own part for the type, made (unlinked) when it has none.
    int ownPart(int section, HeaderFooterKind kind, int type);

    // Puts page numbers into the header or footer, in place of any it holds (alignment 0 left, 1 centre,
    // 2 right, 3 inside, 4 outside). Inside and outside numbers of the primary one go to the odd and the
    // even pages' own ones, and the document gets even pages of their own. Without `firstPage` the
    // section gets a different first page whose header or footer shows no number; with it, a different
    // first page shows the number too.
    void addPageNumbers(int section, HeaderFooterKind kind, int type, int alignment, bool firstPage);
    // The page numbers that the header or footer holds.
    int pageNumberCount(int section, HeaderFooterKind kind, int type);
    // Whether the section's first page shows the page number of the header or footer of this kind.
    bool showFirstPageNumber(int section, HeaderFooterKind kind);
    void setShowFirstPageNumber(int section, HeaderFooterKind kind, bool show);

private:
    // Writes a number of the alignment (0 to 2) into the section's own part of the type.
    void writePageNumber(int section, HeaderFooterKind kind, int type, int alignment);
    // Turns on headers and footers of their own for even pages, without changing what any page shows.
    void useEvenPages();
    // Makes the section's own first-page part show the numbers of its primary part, or none.
    void numberFirstPage(int section, HeaderFooterKind kind, bool show);

    DocumentModel& m_model;
};

} // namespace wordproc
