#pragma once
// The tables of the main text and their cells.

#include <memory>

namespace wordproc {
class Document;
}

namespace automation {

class Range;

class Cell {
public:
    Cell(std::shared_ptr<wordproc::Document> document, int table, int row, int column)
        : m_document(std::move(document)), m_table(table), m_row(row), m_column(column) {}

    // The cell's text with its end mark; replacing the text keeps the cell.
    automation::Range Range() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_table, m_row, m_column;
};

class Table {
public:
    Table(std::shared_ptr<wordproc::Document> document, int index)
        : m_document(std::move(document)), m_index(index) {}

    // The column-th cell (from 1) of the row-th row. Throws Error when there is none.
    automation::Cell Cell(int row, int column) const;
    int rowCount() const;
    // The cells of the row-th row (Rows(row).Cells.Count): rows of a table may differ in their cells.
    int cellCount(int row) const;
    // The whole table, the ends of its rows included.
    automation::Range Range() const;
    // Makes the whole table the selection of the document's window.
    void Select() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_index;
};

class Tables {
public:
    explicit Tables(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {}

    int Count() const;
    Table Item(int index) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
};

} // namespace automation
