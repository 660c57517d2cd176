#pragma once
// The document's styles as Styles.Item(name) reaches them.

#include "platform/wordproc/Formats.h"

#include <string>
#include <string_view>

namespace wordproc {

class DocumentModel;
class DocumentLayout;

class DocumentStyles {
public:
    DocumentStyles(DocumentModel& model, DocumentLayout& layout) : m_model(model), m_layout(layout) {}

    // The id of the style with that name; "正文" names the body style ("Normal"). Throws Error when the
    // document has no such style.
    std::string find(std::string_view name) const;

    void applyCharFormat(const std::string& styleId, const CharFormat& format);
    CharFormat charFormat(const std::string& styleId) const;
    void applyParaFormat(const std::string& styleId, const ParaFormat& format);
    ParaFormat paraFormat(const std::string& styleId) const;

private:
    DocumentModel& m_model;
    DocumentLayout& m_layout;
};

} // namespace wordproc
