#include "platform/automation/Tables.h"

#include "platform/automation/Range.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/DocumentTables.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

Range Cell::Range() const {
    wordproc::Span span = m_document->tables().cell(m_table, m_row, m_column);
    return automation::Range(m_document, m_document->text().track(span));
}

Cell Table::Cell(int row, int column) const {
    m_document->tables().cell(m_index, row, column); // the cell must exist now
    return automation::Cell(m_document, m_index, row, column);
}

int Table::rowCount() const {
    return m_document->tables().rowCount(m_index);
}

int Table::cellCount(int row) const {
    return m_document->tables().cellCount(m_index, row);
}

Range Table::Range() const {
    return automation::Range(m_document, m_document->text().track(m_document->tables().table(m_index)));
}

void Table::Select() const {
    m_document->selection().select(m_document->tables().table(m_index));
}

int Tables::Count() const {
    return m_document->tables().count();
}

Table Tables::Item(int index) const {
    m_document->tables().rowCount(index); // the table must exist now
    return Table(m_document, index);
}

} // namespace automation
