#include "composer/output/CellTextRows.h"

namespace composer::slot {

SlotRow textAfterCell(int table, int row, int column, ValueText text) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        std::string value = text(v);
        if (!value.empty())
            doc.insertAfterCell(table, row, column, value);
    };
}

} // namespace composer::slot
