#pragma once
// The tables of the main text as Tables.Item(n).Cell(r, c) reaches them, and the bookmarks as
// Bookmarks.Item(name) does.

#include "platform/wordproc/Span.h"

#include <string>
#include <string_view>

namespace wordproc {

class DocumentModel;
class DocumentText;

class DocumentTables {
public:
    explicit DocumentTables(DocumentModel& model) : m_model(model) {}

    // Tables of the main text, not counting tables inside tables.
    int count() const;
    int rowCount(int table) const;
    // The cells of the row-th row (from 1); 0 for a row that the table does not have.
    int cellCount(int table, int row) const;
    // The cell's characters with its end mark: the c-th cell (from 1) of the r-th row of the n-th table.
    // Throws Error when there is no such cell.
    Span cell(int table, int row, int column) const;
    // The whole table: its cells and the ends of its rows (and of the table, as the flavour counts).
    Span table(int table) const;

private:
    DocumentModel& m_model;
};

class DocumentBookmarks {
public:
    DocumentBookmarks(DocumentModel& model, DocumentText& text) : m_model(model), m_text(text) {}

    int count() const;
    // The name of the index-th bookmark (from 1) in document order. Throws Error when there is none.
    std::string name(int index) const;
    bool exists(std::string_view name) const;
    // The characters between the bookmark's start and end. Throws Error for an unknown name.
    Span span(std::string_view name) const;
    // Replaces the bookmark's characters; the bookmark then encloses the new text.
    void setText(std::string_view name, std::string_view text);

private:
    DocumentModel& m_model;
    DocumentText& m_text;
};

} // namespace wordproc
