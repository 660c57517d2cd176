#pragma once
// The sections of a document's main text as Sections.Item(n) reaches them: where each begins and ends,
// section breaks, and where page numbering restarts.
//
// A section ends at a paragraph whose mark is a section break (w:pPr/w:sectPr); the last section ends
// at the end of the text (w:body/w:sectPr). A break inserted into a section gives both halves that
// section's properties; the half behind the break starts as the break says, shows the headers and
// footers of the half in front of it (linked to the previous section) and goes on with its page numbers.

#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/Span.h"

#include <pugixml.hpp>

namespace wordproc {

class DocumentModel;

class DocumentSections {
public:
    explicit DocumentSections(DocumentModel& model) : m_model(model) {}

    int count() const;
    // The section (from 1) that holds a position of the main text.
    int sectionAt(int position) const;
    // The characters of a section (from 1), its closing mark included. Throws Error when there is none.
    Span span(int section) const;
    // The section's properties (w:sectPr). Throws Error when there is none.
    pugi::xml_node properties(int section) const;

    // Inserts a section break at a position of the main text; the section behind it starts as `start`
    // says (0 continuous, 1 new column, 2 new page, 3 even page, 4 odd page), in front of or behind
    // what takes no room there (`bias`). Spans move as for an inserted paragraph mark; returns the
    // position behind the break. Throws Error inside a table.
    int insertBreak(int position, int start, Bias bias = Bias::Before);

    // Whether the section's page numbers start again at its first page, and with what number.
    bool restartsNumbering(int section) const;
    void setRestartsNumbering(int section, bool restart);
    int startingNumber(int section) const;
    // Sets the number of the section's first page; the numbering then restarts there.
    void setStartingNumber(int section, int number);

private:
    DocumentModel& m_model;
};

} // namespace wordproc
