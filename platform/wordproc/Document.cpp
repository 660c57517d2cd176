#include "platform/wordproc/Document.h"

#include "platform/text/TextFile.h"
#include "platform/wordproc/DocumentHeadersFooters.h"
#include "platform/wordproc/DocumentLayout.h"
#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/DocumentSections.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/DocumentShapes.h"
#include "platform/wordproc/DocumentStyles.h"
#include "platform/wordproc/DocumentTables.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/HandOff.h"
#include "platform/wordproc/TemplateCache.h"
#include "platform/wordproc/Xml.h"

namespace wordproc {

std::shared_ptr<Document> Document::load(const std::string& path, DocumentKind kind, Flavour flavour) {
    // A template serves many new documents; a file opened is read as it stands.
    ParsedPackage parts = kind == DocumentKind::New
                              ? parsedTemplate(path)
                              : ParsedPackage::parse(Package::readFile(path), cannotOpen(path));
    auto model = std::make_unique<DocumentModel>(std::move(parts), cannotOpen(path), flavour);
    return std::shared_ptr<Document>(new Document(std::move(model), kind));
}

std::shared_ptr<Document> Document::fromBytes(std::string_view bytes, const std::string& name,
                                              DocumentKind kind, Flavour flavour) {
    ParsedPackage parts = ParsedPackage::parse(Package::fromBytes(bytes, cannotOpen(name)), cannotOpen(name));
    auto model = std::make_unique<DocumentModel>(std::move(parts), cannotOpen(name), flavour);
    return std::shared_ptr<Document>(new Document(std::move(model), kind));
}

Document::Document(std::unique_ptr<DocumentModel> model, DocumentKind kind)
    : m_model(std::move(model)), m_kind(kind), m_text(std::make_unique<DocumentText>(*m_model)),
      m_shapes(std::make_unique<DocumentShapes>(*m_model)),
      m_tables(std::make_unique<DocumentTables>(*m_model)),
      m_bookmarks(std::make_unique<DocumentBookmarks>(*m_model, *m_text)),
      m_layout(std::make_unique<DocumentLayout>(*m_model)),
      m_styles(std::make_unique<DocumentStyles>(*m_model, *m_layout)),
      m_sections(std::make_unique<DocumentSections>(*m_model)),
      m_headersFooters(std::make_unique<DocumentHeadersFooters>(*m_model)),
      m_selection(std::make_unique<DocumentSelection>(*m_model, *m_text)) {}

Document::~Document() {
    // The user gets the document as it stands, also when its making failed half way.
    if (m_kind == DocumentKind::New && m_open)
        handOver(*this);
}

Flavour Document::flavour() const {
    return m_model->flavour();
}

const std::string& Document::sourcePath() const {
    return m_model->source();
}

void Document::requireOpen() const {
    if (!m_open)
        throw Error("文档已经关闭。");
}

DocumentText& Document::text() {
    requireOpen();
    return *m_text;
}

DocumentShapes& Document::shapes() {
    requireOpen();
    return *m_shapes;
}

DocumentTables& Document::tables() {
    requireOpen();
    return *m_tables;
}

DocumentBookmarks& Document::bookmarks() {
    requireOpen();
    return *m_bookmarks;
}

DocumentStyles& Document::styles() {
    requireOpen();
    return *m_styles;
}

DocumentLayout& Document::layout() {
    requireOpen();
    return *m_layout;
}

DocumentSections& Document::sections() {
    requireOpen();
    return *m_sections;
}

DocumentHeadersFooters& Document::headersFooters() {
    requireOpen();
    return *m_headersFooters;
}

DocumentSelection& Document::selection() {
    requireOpen();
    return *m_selection;
}

void Document::setProofingMarksHidden(bool spelling, bool grammar) {
    requireOpen();
    pugi::xml_node settings = m_model->settingsRoot();
    settings.remove_child("w:hideSpellingErrors");
    settings.remove_child("w:hideGrammaticalErrors");
    if (spelling)
        xml::ensureChild(settings, "w:hideSpellingErrors", xml::settingsOrder);
    if (grammar)
        xml::ensureChild(settings, "w:hideGrammaticalErrors", xml::settingsOrder);
}

std::string Document::toBytes(Compression compression) {
    requireOpen();
    return m_model->toBytes(compression);
}

void Document::saveAs(const std::string& path) {
    std::string bytes = toBytes(Compression::Fast);
    try {
        text::writeBinaryFileAtomically(path, bytes);
    } catch (const text::FileError&) {
        throw Error("无法保存文件“" + path + "”。");
    }
}

void Document::close() {
    m_open = false;
}

} // namespace wordproc
