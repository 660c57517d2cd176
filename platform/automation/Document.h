#pragma once
// A document of the word processor.

#include <memory>
#include <string>

namespace wordproc {
class Document;
}

namespace automation {

class Bookmarks;
class PageSetup;
class Paragraphs;
class Range;
class Sections;
class Shapes;
class Styles;
class Tables;
class Window;

class Document {
public:
    explicit Document(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {}

    // The paragraphs of the main text, table cells included.
    automation::Paragraphs Paragraphs() const;
    // Characters [start, end) of the main text, each paragraph mark counting one.
    automation::Range Range(int start, int end) const;
    // The whole main text.
    automation::Range Content() const;
    automation::Shapes Shapes() const;
    automation::Tables Tables() const;
    automation::Bookmarks Bookmarks() const;
    automation::Styles Styles() const;
    // The page setup of all sections.
    automation::PageSetup PageSetup() const;
    automation::Sections Sections() const;
    // The window that shows the document. Throws Error for a document that no word processor holds.
    automation::Window ActiveWindow() const;
    // Activates the document's window (see Window::Activate).
    void Activate() const;

    // Writes the document as a .docx file, replacing it whole.
    void SaveAs(const std::string& path) const;
    // Closes the document without saving it and without handing it over.
    void Close() const;

    // The engine's document behind the handle.
    const std::shared_ptr<wordproc::Document>& engine() const { return m_document; }

private:
    std::shared_ptr<wordproc::Document> m_document;
};

} // namespace automation
