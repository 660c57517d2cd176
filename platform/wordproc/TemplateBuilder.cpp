#include "platform/wordproc/TemplateBuilder.h"

#include "platform/text/TextFile.h"
#include "platform/wordproc/ContentTypes.h"
#include "platform/wordproc/DrawingWriter.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/Package.h"
#include "platform/wordproc/PackageNames.h"
#include "platform/wordproc/Relationships.h"
#include "platform/wordproc/TemplateShapes.h"
#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace wordproc {

namespace {

namespace fs = std::filesystem;

struct PartKind {
    const char* stemPrefix;
    const char* relationship;
    const char* contentType;
};

constexpr PartKind partKinds[] = {
    {"styles", names::RelStyles, names::TypeStyles},
    {"settings", names::RelSettings, names::TypeSettings},
    {"fontTable", names::RelFontTable, names::TypeFontTable},
    {"footer", names::RelFooter, names::TypeFooter},
    {"header", names::RelHeader, names::TypeHeader},
    {"numbering", names::RelNumbering, names::TypeNumbering},
    {"theme", names::RelTheme, names::TypeTheme},
};

const PartKind& kindOf(const std::string& stem, const std::string& file) {
    for (const PartKind& kind : partKinds) {
        if (stem.starts_with(kind.stemPrefix))
            return kind;
    }
    throw Error(file + "：不知道这个部件是什么（文件名应以 styles、settings、fontTable、footer、header、"
                       "numbering 或 theme 开头）。");
}

std::string readSource(const fs::path& path) {
    try {
        return text::readBinaryFile(path.string());
    } catch (const text::FileError&) {
        throw Error(cannotOpen(path.string()) + "。");
    }
}

// The XML files of a folder by name, in name order; a missing folder has none.
std::map<std::string, fs::path> xmlFilesIn(const fs::path& folder) {
    std::map<std::string, fs::path> files;
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".xml")
            files[entry.path().filename().string()] = entry.path();
    }
    return files;
}

// Every r:id of the document must name one of its relationships.
void checkReferences(const std::string& documentXml, const Relationships& relationships,
                     const std::string& what) {
    pugi::xml_document document;
    xml::parse(document, documentXml, what);
    for (pugi::xpath_node hit : document.select_nodes("//@r:id | //@r:embed")) {
        std::string id = hit.attribute().value();
        if (!relationships.findById(id))
            throw Error(what + "：引用了不存在的部件“" + id + "”。");
    }
}

} // namespace

std::string buildTemplate(const TemplateSource& source) {
    fs::path documentPath(source.documentFile);
    std::string what = source.documentFile;
    std::string documentXml = expandTemplateDocument(readSource(documentPath), what);

    std::map<std::string, fs::path> parts = xmlFilesIn(source.commonFolder);
    fs::path own = documentPath;
    own.replace_extension(".parts");
    for (auto& [name, path] : xmlFilesIn(own))
        parts[name] = path;

    ContentTypes types = ContentTypes::parse(
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>", what);
    types.setDefault("rels", names::TypeRelationships);
    types.setDefault("xml", names::TypeXml);
    types.setOverride("word/document.xml", names::TypeDocumentMain);
    Relationships packageRelationships;
    packageRelationships.add(names::RelOfficeDocument, "word/document.xml", "document");
    Relationships documentRelationships;
    Package package;
    std::vector<std::pair<std::string, std::string>> wordParts;
    for (const auto& [name, path] : parts) {
        std::string stem = path.stem().string();
        const PartKind& kind = kindOf(stem, path.string());
        std::string bytes = readSource(path);
        pugi::xml_document check;
        xml::parse(check, bytes, path.string());
        types.setOverride("word/" + name, kind.contentType);
        documentRelationships.add(kind.relationship, name, stem);
        wordParts.emplace_back("word/" + name, xml::serialize(check));
    }
    checkReferences(documentXml, documentRelationships, what);

    package.setPart(names::ContentTypesPart, types.toXml());
    package.setPart(names::PackageRelationshipsPart, packageRelationships.toXml());
    package.setPart("word/document.xml", std::move(documentXml));
    package.setPart(Relationships::partFor("word/document.xml"), documentRelationships.toXml());
    for (auto& [name, bytes] : wordParts)
        package.setPart(name, std::move(bytes));
    return package.toBytes(Compression::Small);
}

std::string expandTemplateDocument(const std::string& xmlText, const std::string& what) {
    pugi::xml_document document;
    pugi::xml_parse_result result =
        document.load_buffer(xmlText.data(), xmlText.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!result)
        throw Error(what + "：XML 格式错误（" + result.description() + "，位置 " +
                    std::to_string(result.offset) + "）。");
    pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "w:document")
        throw Error(what + "：根元素应为 w:document。");
    dropLayoutWhitespace(root);
    expandShortFormShapes(root, what);
    numberDrawings(root, what);
    root.remove_attribute("xmlns:t");
    declareDrawingNamespaces(root);
    return xml::serialize(document);
}

} // namespace wordproc
