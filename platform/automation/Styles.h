#pragma once
// The styles of a document.

#include <memory>
#include <string>

namespace wordproc {
class Document;
}

namespace automation {

class Font;
class ParagraphFormat;

class Style {
public:
    Style(std::shared_ptr<wordproc::Document> document, std::string styleId)
        : m_document(std::move(document)), m_styleId(std::move(styleId)) {}

    automation::Font Font() const;
    automation::ParagraphFormat ParagraphFormat() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    std::string m_styleId;
};

class Styles {
public:
    explicit Styles(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {}

    // The style of that name; "正文" is the body style. Throws Error when the document has none.
    Style Item(const std::string& name) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
};

} // namespace automation
