#pragma once
// One document of the embedded word processor. A new document (made from a template) that is still
// open when its last reference goes is handed over to the desktop (HandOff.h), as a host keeps a
// released document open for the user.

#include "platform/wordproc/Span.h"
#include "platform/wordproc/ZipArchive.h"

#include <memory>
#include <string>
#include <string_view>

namespace wordproc {

class DocumentModel;
class DocumentText;
class DocumentShapes;
class DocumentTables;
class DocumentBookmarks;
class DocumentStyles;
class DocumentLayout;
class DocumentSections;
class DocumentHeadersFooters;
class DocumentSelection;
class Instance;

// New: an untitled copy of a template; Opened: a file opened read-only.
enum class DocumentKind { New, Opened };

class Document {
public:
    // Reads a package file. Throws Error naming the file when it is missing, not a package or damaged;
    // nothing is handed over then.
    static std::shared_ptr<Document> load(const std::string& path, DocumentKind kind, Flavour flavour);
    // The same from the package's bytes; `name` stands for the file in messages.
    static std::shared_ptr<Document> fromBytes(std::string_view bytes, const std::string& name,
                                               DocumentKind kind, Flavour flavour);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    DocumentKind kind() const { return m_kind; }
    Flavour flavour() const;
    const std::string& sourcePath() const;
    bool isOpen() const { return m_open; }

    // The parts of the document. Each throws Error once the document is closed.
    DocumentText& text();
    DocumentShapes& shapes();
    DocumentTables& tables();
    DocumentBookmarks& bookmarks();
    DocumentStyles& styles();
    DocumentLayout& layout();
    DocumentSections& sections();
    DocumentHeadersFooters& headersFooters();
    // The selection of the document's window.
    DocumentSelection& selection();

    // The word processor that holds the document open (null for a document read on its own).
    std::shared_ptr<Instance> host() const { return m_host.lock(); }
    void setHost(std::weak_ptr<Instance> host) { m_host = std::move(host); }

    // Whether the host marks spelling and grammar errors in this document (its proofing options).
    void setProofingMarksHidden(bool spelling, bool grammar);

    // The package as a .docx.
    std::string toBytes(Compression compression = Compression::Fast);
    // Writes the .docx atomically: the file is either the old one or the whole new one. Throws Error.
    void saveAs(const std::string& path);
    // Closes without handing over; later calls throw Error.
    void close();

private:
    Document(std::unique_ptr<DocumentModel> model, DocumentKind kind);
    void requireOpen() const;

    std::unique_ptr<DocumentModel> m_model;
    DocumentKind m_kind;
    bool m_open = true;
    std::unique_ptr<DocumentText> m_text;
    std::unique_ptr<DocumentShapes> m_shapes;
    std::unique_ptr<DocumentTables> m_tables;
    std::unique_ptr<DocumentBookmarks> m_bookmarks;
    std::unique_ptr<DocumentLayout> m_layout;
    std::unique_ptr<DocumentStyles> m_styles;
    std::unique_ptr<DocumentSections> m_sections;
    std::unique_ptr<DocumentHeadersFooters> m_headersFooters;
    std::unique_ptr<DocumentSelection> m_selection;
    std::weak_ptr<Instance> m_host;
};

} // namespace wordproc
