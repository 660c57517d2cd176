#pragma once
// Page setup of a document's sections: margins, paper, orientation and the document grid.

#include "platform/wordproc/Formats.h"

namespace wordproc {

class DocumentModel;

class DocumentLayout {
public:
    explicit DocumentLayout(DocumentModel& model) : m_model(model) {}

    int sectionCount() const;
    // Applies every field that is set to sections first..last (from 1). Throws Error for a section that
    // does not exist or a value out of range.
    void apply(int first, int last, const PageFormat& format);
    // The page setup of a section (from 1).
    PageFormat pageFormat(int section) const;

    // Keeps the characters a line that CharsLine set after the body style's size changed.
    void refreshCharacterGrid();

private:
    DocumentModel& m_model;
};

} // namespace wordproc
