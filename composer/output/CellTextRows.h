#pragma once
// A value behind the text of a table cell, found by the cell's place in the table rather than by a
// paragraph number: the row may run after the paragraphs above the cell have been filled, when their
// numbers no longer hold (the subject words behind the label "主题词：" of a printing block).

#include "composer/output/SlipRows.h"

namespace composer::slot {

// The value at the end of cell (row, column) of the table-th table, all counted from 1; nothing for an
// empty value.
SlotRow textAfterCell(int table, int row, int column, ValueText text);

} // namespace composer::slot
